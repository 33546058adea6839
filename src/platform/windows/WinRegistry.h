#pragma once

#include <QHash>

#include "platform/Registry.h"

namespace rotaline {

// Windows' registry, read only: a key is opened for reading whatever access is asked, as a
// user without administrator rights may open no key of the machine for writing.
class WinRegistry : public Registry {
public:
    ~WinRegistry() override;
    std::optional<Key> open(std::uint32_t root, const QString& path, std::uint32_t access) override;
    bool query(Key key, const QString& name, int capacity, std::uint32_t* type,
               QByteArray* data) override;
    void close(std::optional<Key> key) override;

private:
    QHash<Key, void*> keys_;
    Key next_ = 1;
};

}  // namespace rotaline
