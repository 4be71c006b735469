#include "tools/zor_res/ZorRes.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/AtomicFile.h"
#include "game/gfx/Archive.h"
#include "tools/common/ArchiveWriter.h"

const char* const kZorResUsage =
    "Usage: zor_res create OUT FILE...\n"
    "  or:  zor_res list ARCHIVE\n"
    "  or:  zor_res extract ARCHIVE [NAME...] [-C DIR]\n"
    "  or:  zor_res --help\n"
    "Entry names are the files' base names (at most 31 bytes, at most 500 entries,\n"
    "unique without regard to case); list prints index, name, offset and size.\n";

namespace {
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

namespace fs = std::filesystem;

bool ReadFile(const std::string& path, std::vector<uint8_t>& out) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "zor_res: " << problem << "\n" << kZorResUsage;
    return kUsage;
}

int Create(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() < 3) return Usage(err, "create needs an output file and at least one input file");
    ArchiveWriter writer;
    for (size_t i = 2; i < args.size(); ++i) {
        std::vector<uint8_t> bytes;
        if (!ReadFile(args[i], bytes)) {
            err << "zor_res: cannot read " << args[i] << "\n";
            return kFailed;
        }
        if (!writer.Add(fs::path(args[i]).filename().string(), bytes)) {
            err << "zor_res: " << args[i] << ": " << writer.Error() << "\n";
            return kFailed;
        }
    }
    if (!writer.WriteTo(args[1])) {
        err << "zor_res: cannot write " << args[1] << ": " << writer.Error() << "\n";
        return kFailed;
    }
    return kOk;
}

bool OpenArchive(Archive& archive, const std::string& path, std::ostream& err) {
    if (archive.Open(path)) return true;
    err << "zor_res: " << path << " is not a readable archive\n";
    return false;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return Usage(err, "list takes one archive");
    Archive archive;
    if (!OpenArchive(archive, args[1], err)) return kFailed;
    for (int i = 0; i < archive.Count(); ++i)
        out << i << "\t" << archive.NameAt(i) << "\t" << archive.OffsetAt(i) << "\t" << archive.SizeAt(i)
            << "\n";
    return kOk;
}

// A stored name becomes a file name only when it cannot leave the target directory.
bool SafeFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

int ExtractOne(const Archive& archive, int index, const std::string& name, const fs::path& dir,
               std::ostream& err) {
    std::vector<uint8_t> bytes;
    if (index < 0) {
        err << "zor_res: no entry named " << name << "\n";
        return kFailed;
    }
    const std::string stored = archive.NameAt(index);
    if (!SafeFileName(stored)) {
        err << "zor_res: entry " << index << " has an unsafe name; skipped\n";
        return kFailed;
    }
    if (!archive.ReadEntryAt(index, bytes)) {
        err << "zor_res: entry " << stored << " lies outside the archive\n";
        return kFailed;
    }
    std::string error;
    if (!WriteFileAtomically((dir / stored).string(), bytes, error)) {
        err << "zor_res: " << error << "\n";
        return kFailed;
    }
    return kOk;
}

int Extract(const std::vector<std::string>& args, std::ostream& err) {
    std::vector<std::string> names;
    fs::path dir = ".";
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "-C") {
            if (++i == args.size()) return Usage(err, "-C needs a directory");
            dir = args[i];
        } else {
            names.push_back(args[i]);
        }
    }
    if (args.size() < 2) return Usage(err, "extract needs an archive");
    Archive archive;
    if (!OpenArchive(archive, args[1], err)) return kFailed;
    int status = kOk;
    if (names.empty()) {
        for (int i = 0; i < archive.Count(); ++i)
            if (ExtractOne(archive, i, archive.NameAt(i), dir, err) != kOk) status = kFailed;
    }
    for (const std::string& name : names)
        if (ExtractOne(archive, archive.FindIndex(name), name, dir, err) != kOk) status = kFailed;
    return status;
}
} // namespace

int RunZorRes(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return Usage(err, "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        out << kZorResUsage;
        return kOk;
    }
    if (command == "create") return Create(args, err);
    if (command == "list") return List(args, out, err);
    if (command == "extract") return Extract(args, err);
    return Usage(err, "unknown command " + command);
}
