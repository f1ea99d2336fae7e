#pragma once

#include "support/TempLonWorksHome.h"
#include "ui/MainControls.h"

#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class MessageCatalogue;
class SqliteRegistryStore;

// The main window's pages built into a plain widget named like the main window, with a message
// catalogue over a registry in a private LonWorks home.
class PagesFixture : public ::testing::Test
{
protected:
    PagesFixture();
    ~PagesFixture() override;

    // Loads the catalogue in the given registry language ("english", "german" or anything else).
    MessageCatalogue& catalogue(const QString& language);

    TempLonWorksHome home;
    QWidget root;
    QTabWidget* tabs;
    MainControls controls;

private:
    std::unique_ptr<SqliteRegistryStore> m_registry;
    std::unique_ptr<MessageCatalogue> m_catalogue;
};
