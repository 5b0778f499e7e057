#pragma once
// A scripted tour of the customer form for machines without a display: it types as a
// user would, saves and reopens the typed values, opens a control's pages, saves and
// reopens the form's design, prints each step and saves a screenshot of it.

#include <QString>

namespace demo {

class Cadastro;

// Runs the tour on a shown form; screenshots go to folder. Gives 0 when every step
// worked.
int RunTour(Cadastro& form, const QString& folder);

}  // namespace demo
