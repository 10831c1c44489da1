#pragma once
// The TFTP transfer record handed to the status handler, the status codes and texts,
// and the handler's type.
#include "AnsiString.h"

#include <functional>

// Status codes of a transfer. -1101 .. -1108 are -1101 minus the TFTP error code.
enum KwTFTPStatusCode : int {
    TFTP_SUCCESS = 3,           // the whole file has moved
    TFTP_TRANSFERRING = 2,
    TFTP_CONNECTED = 1,
    TFTP_DISCONNECTED = 0,
    TFTPERR_UNDEFINED = -1101,
    TFTPERR_FILE_NOT_FOUND = -1102,
    TFTPERR_ACCESS_VIOLATION = -1103,
    TFTPERR_DISK_FULL = -1104,
    TFTPERR_BAD_OPERATION = -1105,
    TFTPERR_UNKNOWN_PORT = -1106,
    TFTPERR_FILE_EXISTS = -1107,
    TFTPERR_NO_SUCH_USER = -1108,
    TFTPERR_OPEN_SOCKET = -1109,
    TFTPERR_SEND_RECEIVE = -1110,
    TFTPERR_SOCKET_NOT_READY = -1111,
    TFTPERR_BAD_PACKET = -1112,
    TFTPERR_TIMEOUT = -1113,
    TFTPERR_CANCELED = -1114,
};

// The built-in text of a status code; empty for a code outside the table.
AnsiString TFTPStatusText(int code);

struct KwTFTPMsg {
    int Code = TFTPERR_SOCKET_NOT_READY;
    AnsiString Text = TFTPStatusText(TFTPERR_SOCKET_NOT_READY);
    int Opcode = 1;                        // 1 the device reads a file, 2 it writes one
    AnsiString Mode = "octet";             // as the request named it
    AnsiString ClientAddress = "0.0.0.0";  // requester, dotted
    AnsiString ServerAddress = "127.0.0.1";
    int ServerPort = 69;
    AnsiString FileName;                   // as the request named it
    int Bytes = 0;                         // moved so far
    int LastBlockSize = -1;                // payload of the last DATA sent or written
    int ClientPort = 0;
    int SessionNumber = -1;                // the first session carries 0
    int Timeout = 1000;                    // retransmission time-out, 10 ms units
    int SendCount = 0;                     // transmissions of the current packet
};

// Called on every change of a transfer's status; setting Cancel stops the transfer
// at its next step.
using KwTFTPStatusEvent = std::function<void(KwTFTPMsg& Msg, bool& Cancel)>;
