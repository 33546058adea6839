#include "window/texts/Translation.h"

#include <QTranslator>
#include <map>
#include <memory>
#include <string>
#include <string_view>

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

// English's texts are the sources, but for the singular and plural of a text with a count.
constexpr std::string_view EnglishForms = "en";

// Loaded when the language is first used, so that start-up in English reads none.
const QTranslator* catalogueOf(std::string_view code) {
    Catalogues& all = catalogues();
    if (const auto given = all.given.find(code); given != all.given.end()) {
        return given->second;
    }
    auto loaded = all.builtIn.find(code);
    if (loaded == all.builtIn.end()) {
        auto catalogue = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/translations/rotaline_") +
                             QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())) +
                             QStringLiteral(".qm");
        if (!catalogue->load(file)) {
            catalogue.reset();
        }
        loaded = all.builtIn.emplace(std::string(code), std::move(catalogue)).first;
    }
    return loaded->second.get();
}

// The catalogue's text for `source` (of the count `n`, unless -1), else the source.
QString lookedUp(std::string_view code, const char* context, const char* source, int n) {
    if (const QTranslator* catalogue = code.empty() ? nullptr : catalogueOf(code)) {
        const QString text = catalogue->translate(context, source, nullptr, n);
        if (!text.isEmpty()) {
            return text;
        }
    }
    return QString::fromUtf8(source);
}

}  // namespace

QString translated(const Language& language, const char* context, const char* source) {
    return source == nullptr ? QString() : lookedUp(language.code, context, source, -1);
}

QString translated(const Language& language, const char* context, const char* source, int n) {
    const std::string_view code = language.code.empty() ? EnglishForms : language.code;
    return lookedUp(code, context, source, n).replace(QStringLiteral("%n"), QString::number(n));
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
