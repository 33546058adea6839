#include "support/FormFixture.h"

#include "model/MessageDecoder.h"

namespace rotaline::testing {

QStringList FormFixture::messages() const {
    MessageDecoder decoder;
    QStringList lines;
    for (const DecodedMessage& message : decoder.feed(port.written().toStdString())) {
        lines << QString::fromStdString(message.text());
    }
    return lines;
}

}  // namespace rotaline::testing
