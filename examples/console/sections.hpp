#pragma once
// The sections of the console walk-through. Each one shows one side of the control
// on the in-memory host and writes what happens to out. To add a section, define
// its function in a file of this folder and list it in main.cpp.

#include <ostream>

namespace vumocaixa::demo {

// For each data type: which widget is active and how the widgets are laid out.
void TiposEWidgets(std::ostream& out);
// The layout when the host gives the control unusual sizes.
void Dimensionamento(std::ostream& out);
// Typing into a Moeda box key by key, leaving and entering it; the ranges of the
// numeric types when the box is left.
void CaixaNumerica(std::ostream& out);
// A CPF typed key by key into the text box, refused on leaving, then retyped.
void DigitacaoCPF(std::ostream& out);

}  // namespace vumocaixa::demo
