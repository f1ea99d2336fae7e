#pragma once

#include "host/object_server/Collection.h"
#include "lns/server/CollectionErrors.h"

#include <QString>
#include <functional>
#include <memory>

namespace lnssim {

// A collection whose items are looked up when asked for, so that a subsystem of 10,000 devices
// costs nothing until a device is fetched. The look-ups return nullptr for a missing item and
// the collection turns that into the NotFound error.
template <typename T> class LazyCollection final : public lns::Collection<T>
{
public:
    struct Source
    {
        QString itemKind;     // "network"
        QString place;        // "in this object server"
        bool byIndex = false; // item(int) finds by NV index
        std::function<int()> count;
        std::function<std::shared_ptr<T>(int)> at;
        std::function<std::shared_ptr<T>(const QString&)> find;
    };

    explicit LazyCollection(Source source) : m_source(std::move(source)) {}

    int count() const override { return m_source.count(); }
    std::shared_ptr<T> item(int position) const override { return found(m_source.at(position), position); }
    std::shared_ptr<T> item(const QString& name) const override { return found(m_source.find(name), name); }

private:
    std::shared_ptr<T> found(std::shared_ptr<T> item, int position) const
    {
        if (!item && m_source.byIndex)
            collection_errors::missingIndex(m_source.itemKind, position, m_source.place);
        if (!item)
            collection_errors::missingPosition(m_source.itemKind, position, m_source.place, count());
        return item;
    }
    std::shared_ptr<T> found(std::shared_ptr<T> item, const QString& name) const
    {
        if (!item)
            collection_errors::missingName(m_source.itemKind, name, m_source.place);
        return item;
    }

    Source m_source;
};

} // namespace lnssim
