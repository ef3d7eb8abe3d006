#include "device/transport_exchange.h"

void SendCommand(Transport& transport, const Command& command) {
    transport.SetFeature(command);
}

void SendDataBlock(Transport& transport, Clock& clock, const Command& command,
                   const DataBlock& data) {
    SendCommand(transport, command);
    for (int half = 0; half < 2; ++half) {
        transport.WriteUSB(DataBlockHalf(data, half));
        clock.Sleep(kTransferPauseMs);
    }
}

std::optional<Command> Query(Transport& transport, Clock& clock, const Command& query) {
    SendCommand(transport, query);
    clock.Sleep(kTransferPauseMs);
    Command reply{};
    reply[0] = query[0];
    reply[1] = query[1];
    if (!transport.GetFeature(reply)) return std::nullopt;
    return reply;
}
