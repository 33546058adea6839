#pragma once

#include <QTranslator>
#include <memory>

#include "model/Languages.h"

namespace rotaline {

// Qt's own texts (standard buttons, file dialogs) in the interface's language, from the
// translations the system's Qt ships; English without them. The default locale follows.
class QtTranslation {
public:
    ~QtTranslation();
    void use(const Language& language);

private:
    std::unique_ptr<QTranslator> installed_;
    std::string_view code_;
};

}  // namespace rotaline
