#include "model/MessageDecoder.h"

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "model/WireFormat.h"

namespace rotaline {

namespace {

constexpr std::uint8_t LastAddress = FirstAddress + SlotCount - 1;

bool startsMessage(std::uint8_t byte) {
    return byte == HandshakeMessage[0] || (byte >= FirstAddress && byte <= LastAddress);
}

std::string modelMeaning(int type, int code) {
    if (code == ModelResetValue) {
        return "reset";
    }
    for (const ControllerModel& model : ControllerModels) {
        if (model.type == type && model.code == code) {
            return std::string(model.name);
        }
    }
    return "unknown model";
}

}  // namespace

std::string meaningOf(int slot, int value) {
    const SlotInfo& info = slotInfo(slot);
    if (info.kind == ValueKind::ModelPosition) {
        return modelMeaning(slot - modelSlotOf(0), value);
    }
    if (info.encoding == WireEncoding::CellCode) {
        return value == 0 ? "Auto" : std::to_string(value + 1) + " cells";
    }
    if (info.kind == ValueKind::ScrollValue) {
        return std::to_string(value) + " degrees";
    }
    if (value >= 0 && value < info.choiceCount()) {
        return std::string(info.choice(value));
    }
    return "out of range";
}

std::string DecodedMessage::text() const {
    std::string line = std::to_string(first);
    if (kind != Kind::Stray) {
        line += " " + std::to_string(second);
    }
    switch (kind) {
        case Kind::Handshake:
            return line + "  handshake";
        case Kind::Stray:
            return line + "  stray byte";
        case Kind::Parameter:
            break;
    }
    return line + "  slot " + std::to_string(slot) + " " + std::string(slotInfo(slot).role) +
           " = " + std::to_string(value) + " (" + meaning + ")";
}

DecodedMessage MessageDecoder::decodePair(std::uint8_t first, std::uint8_t second) const {
    DecodedMessage message;
    message.first = first;
    message.second = second;
    if (first == HandshakeMessage[0]) {
        message.kind = second == HandshakeMessage[1] ? DecodedMessage::Kind::Handshake
                                                     : DecodedMessage::Kind::Stray;
        return message;
    }
    message.kind = DecodedMessage::Kind::Parameter;
    message.slot = slotOf(first);
    message.value = second - 1;
    message.meaning = meaningOf(message.slot, message.value);
    return message;
}

std::vector<DecodedMessage> MessageDecoder::feed(const std::uint8_t* bytes, std::size_t count) {
    std::vector<DecodedMessage> messages;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = bytes[i];
        if (pending_) {
            DecodedMessage message = decodePair(*pending_, byte);
            pending_.reset();
            if (message.kind != DecodedMessage::Kind::Stray) {
                messages.push_back(message);
                continue;
            }
            message.second = 0;
            messages.push_back(message);
        }
        if (startsMessage(byte)) {
            pending_ = byte;
        } else {
            DecodedMessage stray;
            stray.first = byte;
            messages.push_back(stray);
        }
    }
    return messages;
}

std::vector<DecodedMessage> MessageDecoder::feed(const std::string& bytes) {
    return feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace rotaline
