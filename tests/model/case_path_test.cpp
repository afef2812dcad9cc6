#include "model/case_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

namespace radirav {
namespace {

namespace fs = std::filesystem;

class CasePath : public ::testing::Test {
public: // the cases of the table below make their paths through it
    void SetUp() override {
        folder = fs::temp_directory_path() / ("radirav-case-path-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }

    // Reads `path` on another thread: a reader that blocks fails the test after a second instead
    // of hanging it (a writer opened afterwards releases a reader stuck on a pipe).
    CaseFileResult ReadWithinASecond(const std::string& path) {
        auto reading = std::async(std::launch::async, [path] { return ReadCaseFromPath(path); });
        if (reading.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
            ADD_FAILURE() << path << " still being read after a second";
            const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        return reading.get();
    }

    fs::path folder;
};

struct RefusedCase {
    const char* name;
    std::string (*make)(CasePath&); // the path to read
    std::string message;            // what follows the path
};

class RefusedPaths : public CasePath, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedPaths, AreNamedOnOneLineWithinASecond) {
    const std::string path = GetParam().make(*this);
    const CaseFileResult loaded = ReadWithinASecond(path);
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(*loaded.error, path + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedPaths,
    ::testing::Values(
        RefusedCase{"NamedPipe",
                    [](CasePath& t) {
                        const std::string path = (t.folder / "class.fifo").string();
                        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
                        return path;
                    },
                    ": не обычный файл (канал, устройство или сокет); читаются только обычные файлы"},
        RefusedCase{"EndlessDevice", [](CasePath&) { return std::string("/dev/zero"); },
                    ": не обычный файл (канал, устройство или сокет); читаются только обычные файлы"},
        RefusedCase{"Folder", [](CasePath& t) { return t.folder.string(); },
                    ": это папка, а не файл варианта"},
        RefusedCase{"MissingFile", [](CasePath& t) { return (t.folder / "none.case").string(); },
                    ": нет такого файла"},
        RefusedCase{"FilePastTheSizeLimit",
                    [](CasePath& t) { return t.Write("big.case", std::string(kMaxCaseFileBytes + 1, '#')); },
                    ": файл больше 1 МиБ, это не файл варианта"},
        RefusedCase{"BinaryFile",
                    [](CasePath& t) {
                        return t.Write("a.out", std::string("\x7F"
                                                            "ELF\x02\x01\x01\0\0\0\n",
                                                            12));
                    },
                    ":1: не текст UTF-8 (двоичный файл или другая кодировка?): "
                    "«\\x7FELF\\x02\\x01\\x01\\x00\\x00\\x00»"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CasePath, ReadsARegularFileAndALinkToOne) {
    const std::string path = Write("task.case", "NAME = Сидоров\r\nALFA = 10\r\n");
    const fs::path link = folder / "link.case";
    fs::create_symlink(path, link);
    for (const std::string& name : {path, link.string()}) {
        const CaseFileResult loaded = ReadWithinASecond(name);
        ASSERT_FALSE(loaded.error) << *loaded.error;
        EXPECT_EQ(loaded.state.StudentName, "Сидоров");
        EXPECT_EQ(loaded.state.EquilibriumKind, kKindConstantAlfa);
    }
}

TEST_F(CasePath, NameWithControlBytesIsEscapedInTheMessage) {
    const std::string path = Write("bad\x1B[31m.case", "XF = 2\n");
    const CaseFileResult loaded = ReadWithinASecond(path);
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(*loaded.error,
              folder.string() + "/bad\\x1B[31m.case:1: XF: «2» вне диапазона; допустимо 0 < XF < 1");
}

} // namespace
} // namespace radirav
