#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own texts (file dialogs, standard buttons such as "Ja" and "Nein") in German, the
// language of the whole interface, whatever the system's locale says.
class QtTranslation
{
public:
    // Loads Qt's German translation from Qt's translations folder and installs it in the
    // application, which owns it. nullptr when it is not installed there: Qt's texts then
    // stay English.
    static QTranslator* Install(QCoreApplication& application);
};
