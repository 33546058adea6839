#include "window/form/StepNotes.h"

#include <utility>

namespace rotaline {

void StepNotes::begin() {
    before_ = controls_.Text1->text();
    failed_ = false;
}

void StepNotes::end(const QString& failureLine) {
    if (!std::exchange(failed_, false)) {
        return;
    }
    controls_.Text1->setText(before_.endsWith(failureLine) ? before_ : before_ + failureLine);
}

}  // namespace rotaline
