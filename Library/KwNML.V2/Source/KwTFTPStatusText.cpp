#include "KwTFTPMsg.h"

AnsiString TFTPStatusText(int code)
{
    switch (code) {
    case TFTP_SUCCESS: return "(KwTFTP) Success to transfer file.";
    case TFTP_TRANSFERRING: return "(KwTFTP) File is transferring...";
    case TFTP_CONNECTED: return "(KwTFTP) A TFTP session is connected...";
    case TFTP_DISCONNECTED: return "(KwTFTP) A TFTP session is disconnected...";
    case TFTPERR_UNDEFINED: return "(KwTFTP) Undefined error:";
    case TFTPERR_FILE_NOT_FOUND: return "(KwTFTP) File not found!";
    case TFTPERR_ACCESS_VIOLATION: return "(KwTFTP) Access violation!";
    case TFTPERR_DISK_FULL: return "(KwTFTP) Disk full!";
    case TFTPERR_BAD_OPERATION: return "(KwTFTP) Bad operation!";
    case TFTPERR_UNKNOWN_PORT: return "(KwTFTP) Unknown port!";
    case TFTPERR_FILE_EXISTS: return "(KwTFTP) File already exist!";
    case TFTPERR_NO_SUCH_USER: return "(KwTFTP) No such user!";
    case TFTPERR_OPEN_SOCKET:
        return "(KwTFTP) Fail to open socket!Please check if the network is ready.";
    case TFTPERR_SEND_RECEIVE: return "(KwTFTP) Fail to send or receive socket packet!";
    case TFTPERR_SOCKET_NOT_READY: return "(KwTFTP) Socket is not ready!";
    case TFTPERR_BAD_PACKET: return "(KwTFTP) Bad packet!";
    case TFTPERR_TIMEOUT: return "(KwTFTP) Timeout!";
    case TFTPERR_CANCELED: return "(KwTFTP) Transfer has been canceled.";
    default: return AnsiString();
    }
}
