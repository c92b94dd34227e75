#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

bool installQtJapanese(QCoreApplication& application)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // "qt_ja" gathers Qt's modules; "qtbase_ja" alone holds the widgets'
    // strings and is what an older layout ships.
    for (const char* catalogue : {"qt_ja", "qtbase_ja"}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(QString::fromLatin1(catalogue), folder) && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

}  // namespace translations
