#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace rotaline {

QtTranslation::~QtTranslation() {
    use(false);
}

void QtTranslation::use(bool chinese) {
    // Sizes, dates and numbers that Qt's widgets write follow too.
    QLocale::setDefault(chinese ? QLocale(QLocale::Chinese, QLocale::China) : QLocale::system());
    if (!chinese) {
        if (chinese_) {
            QCoreApplication::removeTranslator(chinese_.get());
            chinese_.reset();
        }
        return;
    }
    if (chinese_) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    // Without the translations installed Qt's texts stay English; nothing else changes.
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        chinese_ = std::move(translator);
    }
}

}  // namespace rotaline
