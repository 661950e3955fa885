// The Winsock entry table: "WS2_32.DLL" is loaded at run time and each of its functions is
// looked up by name the first time it is called through its slot. Any thread; loading and
// unloading are meant for start-up and shutdown.
#pragma once
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <mswsock.h>
#include <windows.h>
// clang-format on

#include <cstddef>
#include <utility>

namespace ws2 {

// clang-format off
// X(id, exported name, declared function whose type the slot has). The twelve entries with a
// neutral id give the character-width-neutral forms their own slots but load the "A" function.
#define QUARNEL_WS2_ENTRIES(X)                                                                        \
  X(WSACleanup, "WSACleanup", WSACleanup)                                                             \
  X(accept, "accept", accept)                                                                         \
  X(bind, "bind", bind)                                                                               \
  X(closesocket, "closesocket", closesocket)                                                          \
  X(connect, "connect", connect)                                                                      \
  X(ioctlsocket, "ioctlsocket", ioctlsocket)                                                          \
  X(getpeername, "getpeername", getpeername)                                                          \
  X(getsockname, "getsockname", getsockname)                                                          \
  X(getsockopt, "getsockopt", getsockopt)                                                             \
  X(htonl, "htonl", htonl)                                                                            \
  X(htons, "htons", htons)                                                                            \
  X(inet_addr, "inet_addr", inet_addr)                                                                \
  X(inet_ntoa, "inet_ntoa", inet_ntoa)                                                                \
  X(listen, "listen", listen)                                                                         \
  X(ntohl, "ntohl", ntohl)                                                                            \
  X(ntohs, "ntohs", ntohs)                                                                            \
  X(recv, "recv", recv)                                                                               \
  X(recvfrom, "recvfrom", recvfrom)                                                                   \
  X(select, "select", select)                                                                         \
  X(send, "send", send)                                                                               \
  X(sendto, "sendto", sendto)                                                                         \
  X(setsockopt, "setsockopt", setsockopt)                                                             \
  X(shutdown, "shutdown", shutdown)                                                                   \
  X(socket, "socket", socket)                                                                         \
  X(gethostbyaddr, "gethostbyaddr", gethostbyaddr)                                                    \
  X(gethostbyname, "gethostbyname", gethostbyname)                                                    \
  X(gethostname, "gethostname", gethostname)                                                          \
  X(getservbyport, "getservbyport", getservbyport)                                                    \
  X(getservbyname, "getservbyname", getservbyname)                                                    \
  X(getprotobynumber, "getprotobynumber", getprotobynumber)                                           \
  X(getprotobyname, "getprotobyname", getprotobyname)                                                 \
  X(WSASetLastError, "WSASetLastError", WSASetLastError)                                              \
  X(WSAGetLastError, "WSAGetLastError", WSAGetLastError)                                              \
  X(WSAIsBlocking, "WSAIsBlocking", WSAIsBlocking)                                                    \
  X(WSAUnhookBlockingHook, "WSAUnhookBlockingHook", WSAUnhookBlockingHook)                            \
  X(WSASetBlockingHook, "WSASetBlockingHook", WSASetBlockingHook)                                     \
  X(WSACancelBlockingCall, "WSACancelBlockingCall", WSACancelBlockingCall)                            \
  X(WSAAsyncGetServByName, "WSAAsyncGetServByName", WSAAsyncGetServByName)                            \
  X(WSAAsyncGetServByPort, "WSAAsyncGetServByPort", WSAAsyncGetServByPort)                            \
  X(WSAAsyncGetProtoByName, "WSAAsyncGetProtoByName", WSAAsyncGetProtoByName)                         \
  X(WSAAsyncGetProtoByNumber, "WSAAsyncGetProtoByNumber", WSAAsyncGetProtoByNumber)                   \
  X(WSAAsyncGetHostByName, "WSAAsyncGetHostByName", WSAAsyncGetHostByName)                            \
  X(WSAAsyncGetHostByAddr, "WSAAsyncGetHostByAddr", WSAAsyncGetHostByAddr)                            \
  X(WSACancelAsyncRequest, "WSACancelAsyncRequest", WSACancelAsyncRequest)                            \
  X(WSAAsyncSelect, "WSAAsyncSelect", WSAAsyncSelect)                                                 \
  X(WSAFDIsSet, "__WSAFDIsSet", __WSAFDIsSet)                                                         \
  X(WSAAccept, "WSAAccept", WSAAccept)                                                                \
  X(WSACloseEvent, "WSACloseEvent", WSACloseEvent)                                                    \
  X(WSAConnect, "WSAConnect", WSAConnect)                                                             \
  X(WSACreateEvent, "WSACreateEvent", WSACreateEvent)                                                 \
  X(WSADuplicateSocketA, "WSADuplicateSocketA", WSADuplicateSocketA)                                  \
  X(WSADuplicateSocketW, "WSADuplicateSocketW", WSADuplicateSocketW)                                  \
  X(WSAEnumNetworkEvents, "WSAEnumNetworkEvents", WSAEnumNetworkEvents)                               \
  X(WSAEnumProtocolsA, "WSAEnumProtocolsA", WSAEnumProtocolsA)                                        \
  X(WSAEnumProtocolsW, "WSAEnumProtocolsW", WSAEnumProtocolsW)                                        \
  X(WSAEventSelect, "WSAEventSelect", WSAEventSelect)                                                 \
  X(WSAGetOverlappedResult, "WSAGetOverlappedResult", WSAGetOverlappedResult)                         \
  X(WSAGetQosByName, "WSAGetQosByName", WSAGetQOSByName)                                              \
  X(WSAHtonl, "WSAHtonl", WSAHtonl)                                                                   \
  X(WSAHtons, "WSAHtons", WSAHtons)                                                                   \
  X(WSAIoctl, "WSAIoctl", WSAIoctl)                                                                   \
  X(WSAJoinLeaf, "WSAJoinLeaf", WSAJoinLeaf)                                                          \
  X(WSANtohl, "WSANtohl", WSANtohl)                                                                   \
  X(WSANtohs, "WSANtohs", WSANtohs)                                                                   \
  X(WSARecv, "WSARecv", WSARecv)                                                                      \
  X(WSARecvDisconnect, "WSARecvDisconnect", WSARecvDisconnect)                                        \
  X(WSARecvFrom, "WSARecvFrom", WSARecvFrom)                                                          \
  X(WSAResetEvent, "WSAResetEvent", WSAResetEvent)                                                    \
  X(WSASend, "WSASend", WSASend)                                                                      \
  X(WSASendDisconnect, "WSASendDisconnect", WSASendDisconnect)                                        \
  X(WSASendTo, "WSASendTo", WSASendTo)                                                                \
  X(WSASetEvent, "WSASetEvent", WSASetEvent)                                                          \
  X(WSASocketA, "WSASocketA", WSASocketA)                                                             \
  X(WSASocketW, "WSASocketW", WSASocketW)                                                             \
  X(WSAWaitForMultipleEvents, "WSAWaitForMultipleEvents", WSAWaitForMultipleEvents)                   \
  X(WSAAddressToStringA, "WSAAddressToStringA", WSAAddressToStringA)                                  \
  X(WSAAddressToStringW, "WSAAddressToStringW", WSAAddressToStringW)                                  \
  X(WSAStringToAddressA, "WSAStringToAddressA", WSAStringToAddressA)                                  \
  X(WSAStringToAddressW, "WSAStringToAddressW", WSAStringToAddressW)                                  \
  X(WSALookupServiceBeginA, "WSALookupServiceBeginA", WSALookupServiceBeginA)                         \
  X(WSALookupServiceBeginW, "WSALookupServiceBeginW", WSALookupServiceBeginW)                         \
  X(WSALookupServiceNextA, "WSALookupServiceNextA", WSALookupServiceNextA)                            \
  X(WSALookupServiceNextW, "WSALookupServiceNextW", WSALookupServiceNextW)                            \
  X(WSALookupServiceEnd, "WSALookupServiceEnd", WSALookupServiceEnd)                                  \
  X(WSAInstallServiceClassA, "WSAInstallServiceClassA", WSAInstallServiceClassA)                      \
  X(WSAInstallServiceClassW, "WSAInstallServiceClassW", WSAInstallServiceClassW)                      \
  X(WSARemoveServiceClass, "WSARemoveServiceClass", WSARemoveServiceClass)                            \
  X(WSAGetServiceClassInfoA, "WSAGetServiceClassInfoA", WSAGetServiceClassInfoA)                      \
  X(WSAGetServiceClassInfoW, "WSAGetServiceClassInfoW", WSAGetServiceClassInfoW)                      \
  X(WSAEnumNameSpaceProvidersA, "WSAEnumNameSpaceProvidersA", WSAEnumNameSpaceProvidersA)             \
  X(WSAEnumNameSpaceProvidersW, "WSAEnumNameSpaceProvidersW", WSAEnumNameSpaceProvidersW)             \
  X(WSAGetServiceClassNameByClassIdA, "WSAGetServiceClassNameByClassIdA",                             \
    WSAGetServiceClassNameByClassIdA)                                                                 \
  X(WSAGetServiceClassNameByClassIdW, "WSAGetServiceClassNameByClassIdW",                             \
    WSAGetServiceClassNameByClassIdW)                                                                 \
  X(WSASetServiceA, "WSASetServiceA", WSASetServiceA)                                                 \
  X(WSASetServiceW, "WSASetServiceW", WSASetServiceW)                                                 \
  X(WSAProviderConfigChange, "WSAProviderConfigChange", WSAProviderConfigChange)                      \
  X(WSADuplicateSocket, "WSADuplicateSocketA", WSADuplicateSocketA)                                   \
  X(WSAEnumProtocols, "WSAEnumProtocolsA", WSAEnumProtocolsA)                                         \
  X(WSASocket, "WSASocketA", WSASocketA)                                                              \
  X(WSAAddressToString, "WSAAddressToStringA", WSAAddressToStringA)                                   \
  X(WSAStringToAddress, "WSAStringToAddressA", WSAStringToAddressA)                                   \
  X(WSALookupServiceBegin, "WSALookupServiceBeginA", WSALookupServiceBeginA)                          \
  X(WSALookupServiceNext, "WSALookupServiceNextA", WSALookupServiceNextA)                             \
  X(WSAInstallServiceClass, "WSAInstallServiceClassA", WSAInstallServiceClassA)                       \
  X(WSAGetServiceClassInfo, "WSAGetServiceClassInfoA", WSAGetServiceClassInfoA)                       \
  X(WSAEnumNameSpaceProviders, "WSAEnumNameSpaceProvidersA", WSAEnumNameSpaceProvidersA)              \
  X(WSAGetServiceClassNameByClassId, "WSAGetServiceClassNameByClassIdA",                              \
    WSAGetServiceClassNameByClassIdA)                                                                 \
  X(WSASetService, "WSASetServiceA", WSASetServiceA)                                                  \
  X(TransmitFile, "TransmitFile", TransmitFile)                                                       \
  X(AcceptEx, "AcceptEx", AcceptEx)                                                                   \
  X(GetAcceptExSockaddrs, "GetAcceptExSockaddrs", GetAcceptExSockaddrs)                               \
  X(WSARecvEx, "WSARecvEx", WSARecvEx)
// clang-format on

#define QUARNEL_WS2_ENUM(id, exported, declared) k_##id,
enum Entry : int { QUARNEL_WS2_ENTRIES(QUARNEL_WS2_ENUM) kEntryCount };
#undef QUARNEL_WS2_ENUM

// Slots hold untyped code addresses; each call casts back to the entry's declared type.
using RawProc = void (*)();

namespace detail {
template <int I>
struct EntryType;
#define QUARNEL_WS2_TYPE(id, exported, declared) \
  template <>                                    \
  struct EntryType<k_##id> {                     \
    using type = decltype(&::declared);          \
  };
QUARNEL_WS2_ENTRIES(QUARNEL_WS2_TYPE)
#undef QUARNEL_WS2_TYPE

RawProc SlotValue(int entry);
}  // namespace detail

template <int I>
using EntryFn = typename detail::EntryType<I>::type;

// The exported name an entry loads.
const char* EntryName(int entry);

// Calls entry I through its slot: the first call resolves it, later calls go straight to the
// library. Raises EIdWS2StubError when the library is not loaded or lacks the function.
template <int I, class... A>
auto Call(A&&... args) {
  return reinterpret_cast<EntryFn<I>>(detail::SlotValue(I))(std::forward<A>(args)...);
}

// True once entry I's slot points into the library rather than at its stub.
bool IsResolved(int entry);

// Loads the library if needed and calls its "WSAStartup"; 0 at once when already loaded.
int LoadAndStartup(WORD version, LPWSADATA data);
bool IsLoaded();
// Releases the library (if loaded) and points every slot back at its stub.
void Unload();

}  // namespace ws2
