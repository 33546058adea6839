#pragma once

#include <QString>

#include "model/Languages.h"

class QTranslator;

namespace rotaline {

// `source`, a text of `context`, in `language`: its catalogue's translation, else as written.
QString translated(const Language& language, const char* context, const char* source);
// `source`, a text of `context` that holds a count "%n", for the count `n` in `language`: the
// catalogue's form for that count (English takes its singular and plural from a catalogue of
// those forms alone), with "%n" written as the number.
QString translated(const Language& language, const char* context, const char* source, int n);

// The texts of one context of the catalogues.
struct TextContext {
    const char* name;

    QString operator()(const Language& language, const char* source) const {
        return translated(language, name, source);
    }
    QString operator()(const Language& language, const char* source, int n) const {
        return translated(language, name, source, n);
    }
};

// Texts of `language` from `catalogue` instead of its built-in catalogue (nullptr: built-in
// again). The catalogue is not owned.
void useCatalogue(const Language& language, const QTranslator* catalogue);

}  // namespace rotaline
