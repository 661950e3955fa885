// The file-sending routine over real loop-back sockets: the whole file arrives, the size is
// returned, and a missing file sends nothing.
#include "net/serve_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "net/id_component.h"
#include "net/id_stack.h"

namespace {

class ServeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    component_ = TComponent::Make<TIdComponent>();
    stack = GStack();
    ASSERT_NE(stack, nullptr);
    listener = stack->Socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_EQ(stack->Bind(listener, AF_INET, "127.0.0.1", 0), 0);
    ASSERT_EQ(stack->Listen(listener, 1), 0);
    int family = 0, port = 0;
    std::string address;
    stack->GetSocketName(listener, family, address, port);
    client = stack->Socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_EQ(stack->Connect(client, AF_INET, "127.0.0.1", port), 0);
    std::string peer;
    int peerPort = 0;
    served = stack->Accept(listener, peer, peerPort);
    ASSERT_NE(served, INVALID_SOCKET);
  }
  void TearDown() override {
    for (SOCKET s : {served, client, listener})
      if (s != INVALID_SOCKET) stack->CloseSocket(s);
  }
  std::string Receive(size_t expected) {
    std::string got;
    char buf[4096];
    while (got.size() < expected) {
      int n = stack->Recv(client, buf, sizeof buf, 0);
      if (n <= 0) break;
      got.append(buf, static_cast<size_t>(n));
    }
    return got;
  }
  ComponentPtr<TIdComponent> component_;
  TIdStack* stack = nullptr;
  SOCKET listener = INVALID_SOCKET, client = INVALID_SOCKET, served = INVALID_SOCKET;
};

TEST_F(ServeFileTest, SendsTheWholeFileAndReturnsItsSize) {
  std::string content;
  for (int i = 0; i < 20000; ++i) content += static_cast<char>('a' + i % 26);
  const std::string name = "serve_file_test.dat";
  std::ofstream(name, std::ios::binary) << content;
  EXPECT_EQ(ServeFile(served, name), content.size());
  EXPECT_EQ(Receive(content.size()), content);
  std::remove(name.c_str());
}

TEST_F(ServeFileTest, AMissingFileSendsNothingAndReturnsZero) {
  EXPECT_EQ(ServeFile(served, "no-such-file.dat"), 0u);
}

TEST(ServeFileProcTest, InstalledOnTheNtFamily) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExW(&info));
  EXPECT_EQ(GServeFileProc != nullptr, info.dwPlatformId == VER_PLATFORM_WIN32_NT);
}

}  // namespace
