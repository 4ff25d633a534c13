#pragma once

class QCoreApplication;
class QTranslator;

namespace kirvano {

// Makes what Qt itself writes Italian (standard buttons, the text boxes'
// context menu, the reasons of file errors), whatever the system's
// language: the program speaks Italian only. Call it before the first
// window or message box. Returns the translator, owned by the application,
// or nullptr when Qt's Italian translations are not installed; Qt's texts
// then stay English.
QTranslator *installQtItalianTranslations(QCoreApplication &app);

} // namespace kirvano
