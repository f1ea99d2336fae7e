#pragma once

#include <QString>
#include <memory>

namespace lns {

// An object server collection: items counted from 1, also found by name ("Item").
// A missing item throws lns::Error.
template <typename T> class Collection
{
public:
    virtual ~Collection() = default;
    virtual int count() const = 0;
    virtual std::shared_ptr<T> item(int position) const = 0;
    virtual std::shared_ptr<T> item(const QString& name) const = 0;
};

} // namespace lns
