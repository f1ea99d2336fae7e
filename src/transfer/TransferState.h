#pragma once

#include "host/object_server/DeviceTemplate.h"

#include <QString>
#include <memory>
#include <vector>

// A device chosen in the device selection window. The name and Neuron ID let the transfer check
// that the template's item at deviceIndex is still the device the user chose.
struct SelectedDevice
{
    QString name;
    // Item number in the device collection of the device template, counted from 1.
    int deviceIndex = 0;
    QString neuronId;
};

// The devices a transfer writes to, shared by the device selection, apply and cancel. Lives as
// long as the main window; every device command starts a fresh selection.
struct TransferState
{
    // Positions 1..n of the selection are items 0..n-1; empty = no device chosen.
    std::vector<SelectedDevice> selectedDevices;
    // The template of the current device's program ID; its devices are the ones to choose from.
    std::shared_ptr<lns::DeviceTemplate> deviceTemplate;
    // True once the selection window has searched the network for the current device.
    bool deviceListBuilt = false;
    // Set by closing the transfer status window; the transfer stops before its next step.
    bool transferCancelled = false;
    // Running transfer: the window's commands that would disturb it wait until it ends.
    bool transferRunning = false;

    int selectedDeviceCount() const { return static_cast<int>(selectedDevices.size()); }
};
