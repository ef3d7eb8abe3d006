// The three ways the worker talks to the mouse: a bare command, a command
// followed by a 128-byte data block, and a query that reads a reply.
#pragma once

#include <optional>

#include "device/clock.h"
#include "device/device_command.h"
#include "device/transport.h"

// Pause after each 64-byte half of a data block and between a query and its reply.
inline constexpr int kTransferPauseMs = 100;

void SendCommand(Transport& transport, const Command& command);

// The command, then bytes 0..63 and 64..127, each write followed by a pause.
void SendDataBlock(Transport& transport, Clock& clock, const Command& command,
                   const DataBlock& data);

// Sends the query command, waits, then asks for the reply with the query's
// code (and argument) in a zeroed buffer. No value when the mouse gave none.
std::optional<Command> Query(Transport& transport, Clock& clock, const Command& query);
