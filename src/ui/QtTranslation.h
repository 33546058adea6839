#pragma once

#include <QTranslator>
#include <memory>

namespace rotaline {

// Qt's own texts (standard buttons, file dialogs) in the interface's language: Chinese from the
// translations the system's Qt ships, English without them. The default locale follows.
class QtTranslation {
public:
    ~QtTranslation();
    void use(bool chinese);

private:
    std::unique_ptr<QTranslator> chinese_;
};

}  // namespace rotaline
