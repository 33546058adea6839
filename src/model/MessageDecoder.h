#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rotaline {

// One message as the controller sees it.
struct DecodedMessage {
    enum class Kind { Handshake, Parameter, Stray };
    Kind kind = Kind::Stray;
    std::uint8_t first = 0;   // handshake 0xAA, the address byte, or the stray byte
    std::uint8_t second = 0;  // handshake 0x55 or the wire value byte
    int slot = -1;
    int value = -1;  // wire byte - 1
    std::string meaning;

    // "137 5  slot 9 brake type = 4 (Hard)", "170 85  handshake"
    std::string text() const;
};

// Cuts a byte stream into messages; bytes may arrive in any chunks.
class MessageDecoder {
public:
    std::vector<DecodedMessage> feed(const std::uint8_t* bytes, std::size_t count);
    std::vector<DecodedMessage> feed(const std::string& bytes);

private:
    DecodedMessage decodePair(std::uint8_t first, std::uint8_t second) const;
    std::optional<std::uint8_t> pending_;
};

// Meaning of a value sent at a slot: a choice caption, degrees, a model or a cell count.
std::string meaningOf(int slot, int value);

}  // namespace rotaline
