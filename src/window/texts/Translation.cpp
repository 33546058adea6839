#include "window/texts/Translation.h"

#include <QTranslator>
#include <map>
#include <memory>
#include <string>

namespace rotaline {

namespace {

struct Catalogues {
    std::map<std::string, std::unique_ptr<QTranslator>, std::less<>> builtIn;
    std::map<std::string, const QTranslator*, std::less<>> given;
};

Catalogues& catalogues() {
    static Catalogues all;
    return all;
}

// Loaded when the language is first used, so that start-up in English reads none.
const QTranslator* catalogueOf(const Language& language) {
    Catalogues& all = catalogues();
    if (const auto given = all.given.find(language.code); given != all.given.end()) {
        return given->second;
    }
    auto loaded = all.builtIn.find(language.code);
    if (loaded == all.builtIn.end()) {
        auto catalogue = std::make_unique<QTranslator>();
        const QString file =
            QStringLiteral(":/translations/rotaline_%1.qm")
                .arg(QString::fromUtf8(language.code.data(),
                                       static_cast<qsizetype>(language.code.size())));
        if (!catalogue->load(file)) {
            catalogue.reset();
        }
        loaded = all.builtIn.emplace(std::string(language.code), std::move(catalogue)).first;
    }
    return loaded->second.get();
}

}  // namespace

QString translated(const Language& language, const char* context, const char* source) {
    if (source == nullptr) {
        return {};
    }
    if (!language.code.empty()) {
        if (const QTranslator* catalogue = catalogueOf(language)) {
            const QString text = catalogue->translate(context, source);
            if (!text.isEmpty()) {
                return text;
            }
        }
    }
    return QString::fromUtf8(source);
}

void useCatalogue(const Language& language, const QTranslator* catalogue) {
    std::map<std::string, const QTranslator*, std::less<>>& given = catalogues().given;
    if (catalogue) {
        given[std::string(language.code)] = catalogue;
    } else if (const auto found = given.find(language.code); found != given.end()) {
        given.erase(found);
    }
}

}  // namespace rotaline
