#pragma once
// A scripted tour of the QML customer form for machines without a display: it types as a
// user would, Enter from field to field, answers the message of a wrong CNPJ, prints each
// step and saves a screenshot of it.

#include <QString>

class QQuickWindow;

namespace demo {

// Runs the tour on the shown form; screenshots go to folder. Gives 0 when every step
// worked.
int RunQmlTour(QQuickWindow& window, const QString& folder);

}  // namespace demo
