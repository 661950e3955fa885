// The address watch component driven check by check with a scripted stack: online state,
// history rules, the status event, properties, and the history file written on destruction.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/core/error.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "net/id_exceptions.h"
#include "net/id_ip_watch.h"
#include "net/id_ip_watch_thread.h"
#include "tests/net/scripted_stack.h"

namespace {

std::vector<std::string> History(const TIdIPWatch& w) {
  return w.AddressHistory().ToVector();
}

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class IPWatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    watch = TComponent::Make<TIdIPWatch>();
    watch->SetHistoryEnabled(false);
    watch->OnStatusChanged.code = [this](TObject* sender) {
      EXPECT_EQ(sender, watch.get());
      ++statusChanges;
    };
  }
  // Runs one check that sees `address`.
  void CheckWith(const std::string& address) {
    Script().next.push_back(address);
    watch->CheckAddress();
  }
  ScriptedStackScope scripted;
  ComponentPtr<TIdIPWatch> watch;
  int statusChanges = 0;
};

TEST_F(IPWatchTest, StartsInactiveWithItsDefaults) {
  EXPECT_FALSE(watch->Active());
  EXPECT_EQ(watch->HistoryFilename(), "iphist.dat");
  EXPECT_EQ(watch->MaxHistoryEntries(), 25);
  EXPECT_EQ(watch->WatchInterval(), 1000u);
  EXPECT_FALSE(watch->Connected());
  EXPECT_EQ(watch->OnlineStage(), 0);
  EXPECT_EQ(watch->CurrentAddress(), "");
  EXPECT_EQ(watch->WatchThread(), nullptr);
  EXPECT_TRUE(TComponent::Make<TIdIPWatch>()->HistoryEnabled());
}

TEST_F(IPWatchTest, LoopbackOrEmptyAddressCountsAsOffline) {
  CheckWith("127.0.0.1");
  EXPECT_FALSE(watch->Connected());
  EXPECT_EQ(watch->CurrentAddress(), "127.0.0.1");
  CheckWith("");
  EXPECT_FALSE(watch->Connected());
  EXPECT_EQ(statusChanges, 0);
  watch->AppendHistory("127.0.0.1");
  watch->AppendHistory("");
  EXPECT_TRUE(History(*watch).empty());
}

TEST_F(IPWatchTest, FirstOnlineCheckFiresTheEventOnce) {
  CheckWith("10.0.0.5");
  EXPECT_TRUE(watch->Connected());
  EXPECT_EQ(watch->CurrentAddress(), "10.0.0.5");
  EXPECT_EQ(watch->OnlineStage(), 2);
  EXPECT_EQ(statusChanges, 1);
  CheckWith("10.0.0.5");
  CheckWith("10.0.0.6");  // another address while online: no change of state
  EXPECT_EQ(statusChanges, 1);
  EXPECT_TRUE(History(*watch).empty());
}

TEST_F(IPWatchTest, GoingOfflineRecordsTheLastAddressOnce) {
  CheckWith("10.0.0.5");
  CheckWith("127.0.0.1");
  EXPECT_FALSE(watch->Connected());
  EXPECT_EQ(watch->PreviousAddress(), "10.0.0.5");
  EXPECT_EQ(History(*watch), std::vector<std::string>{"10.0.0.5"});
  EXPECT_EQ(statusChanges, 2);
  // Online again with the same address, then offline again: no second entry.
  CheckWith("10.0.0.5");
  CheckWith("");
  EXPECT_EQ(History(*watch), std::vector<std::string>{"10.0.0.5"});
  CheckWith("10.0.0.7");
  CheckWith("127.0.0.1");
  EXPECT_EQ(History(*watch), (std::vector<std::string>{"10.0.0.5", "10.0.0.7"}));
  EXPECT_EQ(statusChanges, 6);
}

TEST_F(IPWatchTest, HistoryKeepsAtMostTheMaximum) {
  watch->SetMaxHistoryEntries(2);
  watch->AppendHistory("A");
  watch->AppendHistory("B");
  watch->AppendHistory("B");  // equal to the last entry: ignored
  watch->AppendHistory("C");
  EXPECT_EQ(History(*watch), (std::vector<std::string>{"B", "C"}));
  watch->SetMaxHistoryEntries(1);
  EXPECT_EQ(History(*watch), std::vector<std::string>{"C"});
  watch->SetMaxHistoryEntries(-3);
  EXPECT_TRUE(History(*watch).empty());
}

TEST_F(IPWatchTest, AFailedQueryInACheckIsDroppedButReachesDirectCallers) {
  CheckWith("10.0.0.5");
  CheckWith(AddressScript::kFail);
  EXPECT_FALSE(watch->QueryBusy());
  EXPECT_TRUE(watch->Connected());
  EXPECT_EQ(watch->CurrentAddress(), "10.0.0.5");
  EXPECT_EQ(statusChanges, 1);
  Script().next.push_back(AddressScript::kFail);
  try {
    watch->QueryLocalAddress();
    FAIL() << "no error";
  } catch (const EIdSocketError& e) {
    EXPECT_STREQ(e.what(), "Socket Error # 11001\r\nHost not found.");
  }
  EXPECT_FALSE(watch->QueryBusy());
}

TEST_F(IPWatchTest, AnErrorInTheStatusHandlerDoesNotEscapeTheCheck) {
  watch->OnStatusChanged.code = [](TObject*) { throw Exception("handler failed"); };
  EXPECT_NO_THROW(CheckWith("10.0.0.5"));
  EXPECT_TRUE(watch->Connected());
}

TEST_F(IPWatchTest, PublishesItsPropertiesForDescriptions) {
  const TClassInfo* cls = FindClass("TIdIPWatch");
  ASSERT_NE(cls, nullptr);
  ASSERT_TRUE(cls->create);
  auto root = TComponent::Make<TComponent>();
  ReadComponent(*root,
                "object Root: TComponent\n"
                "  object IdIPWatch1: TIdIPWatch\n"
                "    Active = False\n"
                "    HistoryEnabled = False\n"
                "    HistoryFilename = 'other.dat'\n"
                "    MaxHistoryEntries = 7\n"
                "    WatchInterval = 2500\n"
                "  end\n"
                "end\n");
  auto* read = ObjectAs<TIdIPWatch>(root->FindComponent("IdIPWatch1"));
  ASSERT_NE(read, nullptr);
  EXPECT_FALSE(read->Active());
  EXPECT_FALSE(read->HistoryEnabled());
  EXPECT_EQ(read->HistoryFilename(), "other.dat");
  EXPECT_EQ(read->MaxHistoryEntries(), 7);
  EXPECT_EQ(read->WatchInterval(), 2500u);
  EXPECT_EQ(read->WatchThread(), nullptr);
  EXPECT_NE(GetPropInfo(*read, "OnStatusChanged"), nullptr);
}

TEST_F(IPWatchTest, ADescriptionWithActiveTrueStartsTheThreadWhileItIsRead) {
  auto root = TComponent::Make<TComponent>();
  ReadComponent(*root,
                "object Root: TComponent\n"
                "  object Watch: TIdIPWatch\n"
                "    Active = True\n"
                "    HistoryEnabled = False\n"
                "    WatchInterval = 100\n"
                "  end\n"
                "end\n");
  auto* read = ObjectAs<TIdIPWatch>(root->FindComponent("Watch"));
  ASSERT_NE(read, nullptr);
  EXPECT_TRUE(read->Active());
  ASSERT_NE(read->WatchThread(), nullptr);
  root.reset();  // destroying the owner stops and frees the thread
  EXPECT_EQ(SocketComponentCount(), 1);
}

TEST(IPWatchHistoryFileTest, DestructionWritesTheHistoryLineByLine) {
  ScriptedStackScope scripted;
  std::string path = TempPath("quarnel_iphist_test.dat");
  DeleteFileA(path.c_str());
  {
    auto watch = TComponent::Make<TIdIPWatch>();
    watch->SetHistoryFilename(path);
    watch->AppendHistory("10.0.0.1");
    watch->AppendHistory("192.168.1.20");
    Script().next.push_back("172.16.0.9");
    watch->CheckAddress();  // still online at destruction: recorded last
  }
  EXPECT_EQ(ReadFileBytes(path), "10.0.0.1\r\n192.168.1.20\r\n172.16.0.9\r\n");
  DeleteFileA(path.c_str());
}

TEST(IPWatchHistoryFileTest, AnEmptyHistoryReplacesTheFileWithNothing) {
  ScriptedStackScope scripted;
  std::string path = TempPath("quarnel_iphist_empty.dat");
  std::ofstream(path, std::ios::binary) << "old contents\r\n";
  {
    auto watch = TComponent::Make<TIdIPWatch>();
    watch->SetHistoryFilename(path);
  }
  EXPECT_EQ(ReadFileBytes(path), "");
  DeleteFileA(path.c_str());
}

TEST(IPWatchHistoryFileTest, DisabledHistoryWritesNoFile) {
  ScriptedStackScope scripted;
  std::string path = TempPath("quarnel_iphist_disabled.dat");
  DeleteFileA(path.c_str());
  {
    auto watch = TComponent::Make<TIdIPWatch>();
    watch->SetHistoryEnabled(false);
    watch->SetHistoryFilename(path);
    watch->AppendHistory("10.0.0.1");
  }
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(IPWatchHistoryFileTest, AnUnwritableFileMakesDestructionReportTheError) {
  ScriptedStackScope scripted;
  std::vector<std::string> shown;
  auto previous = Application()->OnShowError;
  Application()->OnShowError = [&](const std::string& text) { shown.push_back(text); };
  {
    auto watch = TComponent::Make<TIdIPWatch>();
    watch->SetHistoryFilename(TempPath("no_such_folder_quarnel\\iphist.dat"));
    watch->AppendHistory("10.0.0.1");
  }
  Application()->OnShowError = previous;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].rfind("Cannot create file \"", 0), 0u) << shown[0];
  EXPECT_NE(shown[0].find("no_such_folder_quarnel"), std::string::npos);
  EXPECT_EQ(SocketComponentCount(), 0);  // the rest of the destruction went on
}

}  // namespace
