#pragma once

#include "host/CRegistry.h"

#include <QString>
#include <QStringList>
#include <array>

// The settings read across the program around a device: language, LonWorks path, decimal
// separator, the document names and the model-variant data registration uses.
class FrameworkSettings final
{
public:
    struct Variant
    {
        QString programIdPrefix;
        qint16 modelNumber = 0;
        QString templateName;
        QString xifFile;

        // Prefix followed by the model number as two upper-case hexadecimal digits.
        QString programId() const;
    };

    // The two variants registration creates templates for (selector 0 and 1).
    static const Variant& variant(int selector);
    // The program IDs a device must have to be served.
    static const QStringList& acceptedProgramIds();
    static bool isAccepted(const QString& programId);
    // The third program ID, served when a template exists but never created.
    static QString thirdProgramId();

    // Re-reads language, LonWorks path and decimal separator when stale, then clears the flag.
    void refreshIfStale(const CRegistry& registry);
    // The selector that keeps the variant chosen before.
    static constexpr qint16 NoVariant = 100;

    // Stores the variant for selector 0 or 1; other selectors (NoVariant) change nothing.
    void selectVariant(int selector);
    // For an accepted program ID: model name and, by the language read, the document names.
    // Returns false for any other program ID (nothing changed).
    bool applyProgramId(const QString& programId);

    bool settingsStale = true;
    QString language;
    QString lonWorksPath;
    QString decimalSeparator = QStringLiteral(",");
    QString modelName;
    QString docFile;
    QString readmeFile;

    QString programIdPrefix;
    qint16 firstVariantByte = 0;
    qint16 lastVariantByte = 0;
    // Indexed by the variant byte (0..255).
    std::array<QString, 256> templateName{};
    std::array<QString, 256> xifFile{};

private:
    bool m_languageReadThisCall = false;
};
