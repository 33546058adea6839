#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace rotaline {

// A read-only system registry of keys holding typed values.
class Registry {
public:
    using Key = int;
    static constexpr std::uint32_t LocalMachine = 0x80000002;

    virtual ~Registry() = default;
    virtual std::optional<Key> open(std::uint32_t root, const QString& path,
                                    std::uint32_t access) = 0;
    // At most `capacity` bytes of the value; false when the value does not exist.
    virtual bool query(Key key, const QString& name, int capacity, std::uint32_t* type,
                       QByteArray* data) = 0;
    virtual void close(std::optional<Key> key) = 0;
};

// Linux keeps no registry: every key is absent.
class NoRegistry : public Registry {
public:
    std::optional<Key> open(std::uint32_t, const QString&, std::uint32_t) override {
        return std::nullopt;
    }
    bool query(Key, const QString&, int, std::uint32_t*, QByteArray*) override { return false; }
    void close(std::optional<Key>) override {}
};

}  // namespace rotaline
