#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace rotaline {

QtTranslation::~QtTranslation() {
    use(English);
}

void QtTranslation::use(const Language& language) {
    if (language.code == code_ && (installed_ || language.code.empty())) {
        return;
    }
    const QString code =
        QString::fromUtf8(language.code.data(), static_cast<qsizetype>(language.code.size()));
    // Sizes, dates and numbers that Qt's widgets write follow too.
    QLocale::setDefault(code.isEmpty() ? QLocale::system() : QLocale(code));
    if (installed_) {
        QCoreApplication::removeTranslator(installed_.get());
        installed_.reset();
    }
    code_ = language.code;
    if (code.isEmpty()) {
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    // Without the translations installed Qt's texts stay English; nothing else changes.
    if (translator->load(QLocale(code), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installed_ = std::move(translator);
    }
}

}  // namespace rotaline
