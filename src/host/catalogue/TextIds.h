#pragma once

// Names for the catalogue's rows, so that a look-up says which text it wants. The values are
// the rows' numbers, which the catalogue tables use as well.

namespace reg_text {
inline constexpr int OpeningObjectServer = 0;
inline constexpr int Opening = 1;
inline constexpr int DeregisteringCommands = 2;
inline constexpr int NewerVersionRegistered = 3;
inline constexpr int ServerRegistrationFailed = 4;
inline constexpr int RegisteredAs = 5;
inline constexpr int UpdateRegisteredAs = 6;
inline constexpr int RegisterOnServerToo = 7;
inline constexpr int ServerDeregistrationFailed = 8;
inline constexpr int Deregistered = 9;
inline constexpr int NotInRegistry = 10;
inline constexpr int RemoteCannotAddTemplate = 13;
inline constexpr int TemplateNotCreated = 14;
inline constexpr int AddingCommand = 16;
inline constexpr int DefaultActionQuestion = 17;
inline constexpr int DefaultActionFor = 18;
inline constexpr int DefaultActionDevices = 19;
inline constexpr int DefaultActionForObject = 20;
inline constexpr int DefaultActionOn = 21;
inline constexpr int DefaultActionObjects = 22;
inline constexpr int CommandNotAdded = 23;
inline constexpr int ForDeviceTemplate = 24;
inline constexpr int ResourcesNotAdded = 25;
inline constexpr int UnusedTemplate = 26;
inline constexpr int RemoveUnusedTemplateQuestion = 27;
inline constexpr int TemplateNotRemoved = 28;
inline constexpr int DeregisteringCommand = 29;
inline constexpr int CreatingTemplates = 30;
} // namespace reg_text

namespace api_text {
inline constexpr int RegisteringPlugIn = 0;
inline constexpr int CommandsNotRegistered = 1;
inline constexpr int UnregisteringPlugIn = 2;
inline constexpr int InitialisingPlugIn = 3;
inline constexpr int ObjectTypeNotSupported = 4;
inline constexpr int CommandNotSupported = 5;
inline constexpr int CannotOpenNetwork = 6;
inline constexpr int ReadOnlyProperty = 7;
inline constexpr int NotWhileMinimisedOrMaximised = 9;
inline constexpr int MinimisedWhileHidden = 10;
} // namespace api_text

namespace main_text {
inline constexpr int ResourceFilesMissingQuestion = 0;
inline constexpr int LonMarkModeQuestion = 1;
inline constexpr int TestingDevice = 3;
inline constexpr int ReadingState = 4;
inline constexpr int ReadingNetworkVariables = 5;
inline constexpr int DrfLookUp = 7;
inline constexpr int FunctionHeader = 8;
inline constexpr int TransmitToCurrentQuestion = 18;
inline constexpr int NoDeviceSelected = 19;
inline constexpr int OneDirectorExitQuestion = 20;
inline constexpr int DirectorsExitQuestionStart = 21;
inline constexpr int DirectorsExitQuestionEnd = 22;
inline constexpr int MonitoringOn = 23;
inline constexpr int MonitoringOff = 24;
inline constexpr int WritingNetworkVariables = 28;
inline constexpr int WritingParameters = 29;
inline constexpr int NotSynchronisable = 30;
// Four lines explaining why a device-specific CP was not synchronised.
inline constexpr int NotSynchronisedFirst = 31;
inline constexpr int NotSynchronisedLast = 34;
inline constexpr int Repeating = 35;
inline constexpr int SnvtTypeHeader = 36;
inline constexpr int ScptTypeHeader = 37;
inline constexpr int InstallationSuccessful = 46;
} // namespace main_text
