#include "automation/AutomationProperties.h"

#include "automation/LNSPlugInAPI.h"

namespace {

using Property = AutomationProperties::Property;

Property boolean(const char* name, bool (LNSPlugInAPI::*get)() const, void (LNSPlugInAPI::*set)(bool))
{
    return {QString::fromLatin1(name), QStringLiteral("b"),
            [get](const LNSPlugInAPI& api) { return QVariant((api.*get)()); },
            [set](LNSPlugInAPI& api, const QVariant& value) { (api.*set)(value.toBool()); }};
}

Property text(const char* name, QString (LNSPlugInAPI::*get)() const,
              void (LNSPlugInAPI::*set)(const QString&))
{
    return {QString::fromLatin1(name), QStringLiteral("s"),
            [get](const LNSPlugInAPI& api) { return QVariant((api.*get)()); },
            [set](LNSPlugInAPI& api, const QVariant& value) { (api.*set)(value.toString()); }};
}

Property pixels(const char* name, qint32 (LNSPlugInAPI::*get)() const, void (LNSPlugInAPI::*set)(qint32))
{
    return {QString::fromLatin1(name), QStringLiteral("i"),
            [get](const LNSPlugInAPI& api) { return QVariant((api.*get)()); },
            [set](LNSPlugInAPI& api, const QVariant& value) { (api.*set)(value.toInt()); }};
}

} // namespace

const QList<AutomationProperties::Property>& AutomationProperties::all()
{
    static const QList<Property> properties{
        boolean("Visible", &LNSPlugInAPI::Visible, &LNSPlugInAPI::setVisible),
        text("networkName", &LNSPlugInAPI::networkName, &LNSPlugInAPI::setNetworkName),
        text("NetworkInterfaceName", &LNSPlugInAPI::NetworkInterfaceName,
             &LNSPlugInAPI::setNetworkInterfaceName),
        boolean("Remote", &LNSPlugInAPI::Remote, &LNSPlugInAPI::setRemote),
        pixels("Height", &LNSPlugInAPI::Height, &LNSPlugInAPI::setHeight),
        pixels("Width", &LNSPlugInAPI::Width, &LNSPlugInAPI::setWidth),
        pixels("Left", &LNSPlugInAPI::Left, &LNSPlugInAPI::setLeft),
        boolean("Minimized", &LNSPlugInAPI::Minimized, &LNSPlugInAPI::setMinimized),
        text("ManufacturerID", &LNSPlugInAPI::ManufacturerID, &LNSPlugInAPI::setManufacturerID),
        text("ManufacturerName", &LNSPlugInAPI::ManufacturerName, &LNSPlugInAPI::setManufacturerName),
        text("LcaVersion", &LNSPlugInAPI::LcaVersion, &LNSPlugInAPI::setLcaVersion),
        text("Version", &LNSPlugInAPI::Version, &LNSPlugInAPI::setVersion),
        pixels("Top", &LNSPlugInAPI::Top, &LNSPlugInAPI::setTop),
        text("Name", &LNSPlugInAPI::Name, &LNSPlugInAPI::setName),
        text("DevelopmentProgramId", &LNSPlugInAPI::DevelopmentProgramId,
             &LNSPlugInAPI::setDevelopmentProgramId),
    };
    return properties;
}

const AutomationProperties::Property* AutomationProperties::find(const QString& name)
{
    for (const Property& property : all())
        if (property.name == name)
            return &property;
    return nullptr;
}

QMetaType AutomationProperties::valueType(const QString& signature)
{
    if (signature == QLatin1String("b"))
        return QMetaType::fromType<bool>();
    if (signature == QLatin1String("i"))
        return QMetaType::fromType<int>();
    return QMetaType::fromType<QString>();
}
