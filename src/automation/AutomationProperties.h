#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

class LNSPlugInAPI;

// The automation class's properties in the order of its dispatch table, with their D-Bus
// types ("b" boolean, "s" text, "i" 32-bit pixels).
class AutomationProperties final
{
public:
    struct Property
    {
        QString name;
        QString signature;
        std::function<QVariant(const LNSPlugInAPI&)> get;
        std::function<void(LNSPlugInAPI&, const QVariant&)> set;
    };

    static const QList<Property>& all();
    // Exact, case-sensitive name; null when there is no such property.
    static const Property* find(const QString& name);
    // The value type a property of this D-Bus signature carries.
    static QMetaType valueType(const QString& signature);
};
