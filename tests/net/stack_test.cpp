// The Windows stack: error texts, result checks, address conversions, look-ups, and real
// sockets on the loop-back interface (bind, listen, connect, accept, send, recv, select).
#include <gtest/gtest.h>

#include "net/id_component.h"
#include "net/id_exceptions.h"
#include "net/id_socket_list.h"
#include "net/id_stack_windows.h"
#include "net/winsock_table.h"

namespace {

class StackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    component_ = TComponent::Make<TIdComponent>();
    stack = GStack();
    ASSERT_NE(stack, nullptr);
  }
  ComponentPtr<TIdComponent> component_;
  TIdStack* stack = nullptr;
};

// Closes a test socket at scope end.
struct TestSocket {
  TIdStack& stack;
  SOCKET s;
  ~TestSocket() {
    if (s != INVALID_SOCKET) stack.CloseSocket(s);
  }
};

TEST_F(StackTest, ErrorMessagesFollowTheTable) {
  EXPECT_EQ(stack->ErrorMessage(10061), "Socket Error # 10061\r\nConnection refused.");
  EXPECT_EQ(stack->ErrorMessage(10035), "Socket Error # 10035\r\nOperation would block. ");
  EXPECT_EQ(stack->ErrorMessage(10066), "Socket Error # 10066\r\nDirectory not empty");
  EXPECT_EQ(stack->ErrorMessage(10004), "Socket Error # 10004\r\nInterrupted system call.");
  EXPECT_EQ(stack->ErrorMessage(10047),
            "Socket Error # 10047\r\nAddress family not supported by protocol family.");
  EXPECT_EQ(stack->ErrorMessage(12345), "Socket Error # 12345\r\n");
  EXPECT_EQ(stack->ErrorMessage(0), "Socket Error # 0\r\n");
}

TEST_F(StackTest, HostNotFoundIsKnownToTheWindowsStackOnly) {
  EXPECT_EQ(stack->ErrorMessage(11001), "Socket Error # 11001\r\nHost not found.");
  EXPECT_EQ(SocketErrorText(11001), "");
}

TEST_F(StackTest, CheckSocketResultToleratesListedCodesAndRaisesOthers) {
  EXPECT_FALSE(stack->CheckSocketResult(0));
  EXPECT_FALSE(stack->CheckSocketResult(5, {10061}));
  ws2::Call<ws2::k_WSASetLastError>(10061);
  EXPECT_TRUE(stack->CheckSocketResult(-1, {10035, 10061}));
  EXPECT_EQ(stack->LastError(), 10061);
  ws2::Call<ws2::k_WSASetLastError>(10054);
  try {
    stack->CheckSocketResult(-1, {10061});
    FAIL() << "no error";
  } catch (const EIdSocketError& e) {
    EXPECT_EQ(e.LastError(), 10054);
    EXPECT_STREQ(e.what(), "Socket Error # 10054\r\nConnection reset by peer.");
  }
  EXPECT_EQ(stack->LastError(), 10054);
}

TEST_F(StackTest, AddressTextConversionsRoundTrip) {
  TIdIPv4Bytes bytes = stack->TextToAddress("192.168.1.20");
  EXPECT_EQ(bytes, (TIdIPv4Bytes{192, 168, 1, 20}));
  EXPECT_EQ(stack->AddressToText(bytes), "192.168.1.20");
  EXPECT_EQ(stack->AddressToText({0, 0, 0, 0}), "0.0.0.0");
  EXPECT_EQ(stack->TextToAddress("255.255.255.255"), (TIdIPv4Bytes{255, 255, 255, 255}));
}

TEST_F(StackTest, TextThatIsNotFourByteNumbersIsRefused) {
  for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "a.b.c.d", "1..2.3", "1.2.3.-4", "1.2.3.4 "})
    EXPECT_THROW(stack->TextToAddress(bad), EIdException) << bad;
}

TEST_F(StackTest, ServicePortReadsNumbersAndRefusesOtherNames) {
  EXPECT_EQ(stack->ServicePort("8080"), 8080);
  EXPECT_EQ(stack->ServicePort("0"), 0);
  try {
    stack->ServicePort("no-such-service");
    FAIL() << "no error";
  } catch (const EIdInvalidServiceName& e) {
    EXPECT_STREQ(e.what(), "no-such-service is not a valid service.");
  }
  EXPECT_THROW(stack->ServicePort(""), EIdInvalidServiceName);
  EXPECT_THROW(stack->ServicePort("12x"), EIdInvalidServiceName);
  EXPECT_THROW(stack->ServicePort("70000"), EIdInvalidServiceName);
}

TEST_F(StackTest, KnownServicesMapBothWays) {
  // A missing service database (netbase under Wine) throws here and fails the test.
  EXPECT_EQ(stack->ServicePort("http"), 80);
  auto names = stack->ServiceNames(80);
  ASSERT_GE(names->Count(), 1);
  EXPECT_EQ(names->Get(0), "http");
}

TEST_F(StackTest, ByteOrderSwapsThroughTheLibrary) {
  EXPECT_EQ(stack->HToNS(0x0102), 0x0201);
  EXPECT_EQ(stack->NToHS(0x0201), 0x0102);
  EXPECT_EQ(stack->HToNL(0x01020304u), 0x04030201u);
  EXPECT_EQ(stack->NToHL(0x04030201u), 0x01020304u);
}

TEST_F(StackTest, LocalAddressesComeFromTheHostName) {
  std::string host = stack->HostName();
  ASSERT_FALSE(host.empty());
  std::string first = stack->FirstLocalAddress();
  EXPECT_NO_THROW(stack->TextToAddress(first)) << first;
  EXPECT_EQ(stack->ResolveHostAddress(host), first);
  TStrings& list = stack->LocalAddressList();
  ASSERT_GE(list.Count(), 1);
  for (int i = 0; i < list.Count(); ++i) EXPECT_NO_THROW(stack->TextToAddress(list.Get(i))) << list.Get(i);
  EXPECT_EQ(stack->ResolveHostAddress("127.0.0.1"), "127.0.0.1");
}

TEST_F(StackTest, UnresolvableHostRaisesTheSocketError) {
  try {
    stack->ResolveHostAddress("no-such-host.invalid");
    FAIL() << "no error";
  } catch (const EIdSocketError& e) {
    EXPECT_EQ(e.LastError(), 11001);
    EXPECT_STREQ(e.what(), "Socket Error # 11001\r\nHost not found.");
  }
}

TEST_F(StackTest, LoopbackSocketsConnectAndExchangeData) {
  TestSocket listener{*stack, stack->Socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
  ASSERT_NE(listener.s, INVALID_SOCKET);
  ASSERT_EQ(stack->Bind(listener.s, AF_INET, "127.0.0.1", 0), 0);
  ASSERT_EQ(stack->Listen(listener.s, 5), 0);
  int family = 0, port = 0;
  std::string address;
  stack->GetSocketName(listener.s, family, address, port);
  EXPECT_EQ(family, AF_INET);
  EXPECT_EQ(address, "127.0.0.1");
  ASSERT_GT(port, 0);

  // Nothing to accept yet: select with a zero time-out empties the list.
  auto readable = CreateSocketList();
  readable->Add(listener.s);
  EXPECT_EQ(stack->Select(readable.get(), nullptr, nullptr, 0), 0);
  EXPECT_EQ(readable->Count(), 0);

  TestSocket client{*stack, stack->Socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
  ASSERT_NE(client.s, INVALID_SOCKET);
  ASSERT_EQ(stack->Connect(client.s, AF_INET, "127.0.0.1", port), 0) << stack->LastSocketError();

  readable->Add(listener.s);
  ASSERT_EQ(stack->Select(readable.get(), nullptr, nullptr, 2000), 1);
  ASSERT_EQ(readable->Count(), 1);
  EXPECT_EQ(readable->Item(0), listener.s);

  std::string peer;
  int peerPort = 0;
  TestSocket served{*stack, stack->Accept(listener.s, peer, peerPort)};
  ASSERT_NE(served.s, INVALID_SOCKET);
  EXPECT_EQ(peer, "127.0.0.1");
  int clientFamily = 0, clientPort = 0;
  std::string clientAddress;
  stack->GetSocketName(client.s, clientFamily, clientAddress, clientPort);
  EXPECT_EQ(peerPort, clientPort);
  stack->GetPeerName(client.s, family, address, port);
  EXPECT_EQ(address, "127.0.0.1");

  const char hello[] = "hello, socket";
  ASSERT_EQ(stack->Send(client.s, hello, sizeof hello, 0), static_cast<int>(sizeof hello));
  // Select returns once any socket is ready, and the client is writable at once: wait for the
  // data first, then count both sets together.
  readable->Add(served.s);
  ASSERT_EQ(stack->Select(readable.get(), nullptr, nullptr, 2000), 1);
  auto writable = CreateSocketList();
  writable->Add(client.s);
  readable->Add(served.s);
  readable->Add(listener.s);  // no second connection waits: only the served socket is ready
  EXPECT_EQ(stack->Select(readable.get(), writable.get(), nullptr, 0), 2);
  ASSERT_EQ(readable->Count(), 1);
  EXPECT_EQ(readable->Item(0), served.s);
  EXPECT_EQ(writable->Count(), 1);
  char buffer[64] = {};
  ASSERT_EQ(stack->Recv(served.s, buffer, sizeof buffer, 0), static_cast<int>(sizeof hello));
  EXPECT_STREQ(buffer, hello);

  // After the client shuts down its sending side the server reads the end of the stream.
  EXPECT_EQ(stack->Shutdown(client.s, SD_SEND), 0);
  EXPECT_EQ(stack->Recv(served.s, buffer, sizeof buffer, 0), 0);
}

TEST_F(StackTest, DatagramsCarryTheSendersAddress) {
  TestSocket receiver{*stack, stack->Socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP)};
  TestSocket sender{*stack, stack->Socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP)};
  ASSERT_EQ(stack->Bind(receiver.s, AF_INET, "127.0.0.1", 0), 0);
  ASSERT_EQ(stack->Bind(sender.s, AF_INET, "", 0), 0);
  int family = 0, port = 0, senderPort = 0;
  std::string address;
  stack->GetSocketName(receiver.s, family, address, port);
  stack->GetSocketName(sender.s, family, address, senderPort);
  EXPECT_EQ(address, "0.0.0.0");
  ASSERT_EQ(stack->SendTo(sender.s, "ping", 4, 0, "127.0.0.1", port), 4);
  char buffer[16] = {};
  std::string from;
  int fromPort = 0;
  ASSERT_EQ(stack->RecvFrom(receiver.s, buffer, sizeof buffer, 0, from, fromPort), 4);
  EXPECT_EQ(std::string(buffer, 4), "ping");
  EXPECT_EQ(from, "127.0.0.1");
  EXPECT_EQ(fromPort, senderPort);
}

TEST_F(StackTest, SocketOptionsPassThrough) {
  TestSocket s{*stack, stack->Socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
  BOOL on = TRUE;
  ASSERT_EQ(stack->SetSockOpt(s.s, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on), 0);
  BOOL value = FALSE;
  int length = sizeof value;
  ASSERT_EQ(stack->GetSockOpt(s.s, SOL_SOCKET, SO_KEEPALIVE, &value, length), 0);
  EXPECT_TRUE(value);
}

TEST_F(StackTest, PeerNameOfAnUnconnectedSocketRaises) {
  TestSocket s{*stack, stack->Socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
  int family = 0, port = 0;
  std::string address;
  try {
    stack->GetPeerName(s.s, family, address, port);
    FAIL() << "no error";
  } catch (const EIdSocketError& e) {
    EXPECT_EQ(e.LastError(), WSAENOTCONN);
    EXPECT_STREQ(e.what(), "Socket Error # 10057\r\nSocket is not connected.");
  }
}

TEST(SharedStackTest, LivesFromTheFirstComponentToTheLast) {
  ASSERT_EQ(SocketComponentCount(), 0);
  EXPECT_EQ(GStack(), nullptr);
  auto first = TComponent::Make<TIdComponent>();
  TIdStack* stack = GStack();
  ASSERT_NE(stack, nullptr);
  EXPECT_TRUE(SocketServiceStarted());
  {
    auto second = TComponent::Make<TIdComponent>();
    EXPECT_EQ(SocketComponentCount(), 2);
    EXPECT_EQ(GStack(), stack);
  }
  EXPECT_EQ(GStack(), stack);
  first.reset();
  EXPECT_EQ(SocketComponentCount(), 0);
  EXPECT_EQ(GStack(), nullptr);
  EXPECT_TRUE(SocketServiceStarted());  // the service stays started until the module ends
}

TEST(SharedStackTest, AFailingStackLeavesNoComponentCounted) {
  SetStackClass([]() -> std::unique_ptr<TIdStack> {
    throw EIdStackInitializationFailed("Winsock Initialization Error.");
  });
  EXPECT_THROW(TComponent::Make<TIdComponent>(), EIdStackInitializationFailed);
  EXPECT_EQ(SocketComponentCount(), 0);
  SetStackClass([] { return std::make_unique<TIdStackWindows>(); });
  auto component = TComponent::Make<TIdComponent>();
  EXPECT_NE(GStack(), nullptr);
}

}  // namespace
