#include "game/settings/SettingsFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/AtomicFile.h"
#include "platform/DikNames.h"

namespace {
constexpr size_t kMaxFileBytes = 64 * 1024; // a settings file is a few hundred bytes
constexpr size_t kQuotedChars = 40;         // of a line quoted in a message
constexpr std::string_view kSpaces = " \t\r";
constexpr const char* kHeader =
    "# ZOR settings, read at every start (man zor describes them). One \"key = value\" a line;\n"
    "# lines starting with # are comments. Command-line options override these for one run.\n";

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kSpaces) - first + 1);
}

// A line quoted in a message: cut short, control bytes shown as '?', so that no file can write escape
// sequences to the terminal.
std::string Quoted(std::string_view text) {
    std::string out(text.substr(0, kQuotedChars));
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    if (text.size() > kQuotedChars) out += "...";
    return out;
}

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool ParseYesNo(std::string_view text, int& value) {
    constexpr const char* kWords[2][4] = {{"no", "false", "off", "0"}, {"yes", "true", "on", "1"}};
    for (int meaning = 0; meaning < 2; ++meaning) {
        for (const char* word : kWords[meaning]) {
            if (!SameWord(text, word)) continue;
            value = meaning;
            return true;
        }
    }
    return false;
}

bool ParseWholeNumber(std::string_view text, long& value) {
    const std::string s(text);
    if (s.empty() || s.find_first_not_of("+-0123456789") != std::string::npos) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(s.c_str(), &end, 10);
    return *end == '\0' && end != s.c_str() && errno == 0;
}

// The value of `spec` in `text`, or the reason it is not one (what follows "key = value " in a message).
std::string ParseValue(const SettingSpec& spec, std::string_view text, int& value) {
    switch (spec.kind) {
    case SettingKind::YesNo:
        return ParseYesNo(text, value) ? "" : "is not yes or no";
    case SettingKind::Number: {
        long n = 0;
        const std::string range = "from " + std::to_string(spec.min) + " to " + std::to_string(spec.max);
        if (!ParseWholeNumber(text, n)) return "is not a whole number " + range;
        if (n < spec.min || n > spec.max) return "is not " + range;
        value = static_cast<int>(n);
        return "";
    }
    case SettingKind::Choice: {
        std::string words;
        for (size_t i = 0; i < spec.choices.size(); ++i) {
            if (SameWord(text, spec.choices[i])) {
                value = static_cast<int>(i);
                return "";
            }
            words += (i ? ", " : "") + std::string(spec.choices[i]);
        }
        return "is not one of " + words;
    }
    case SettingKind::Key: {
        const int dik = DikFromName(text);
        if (dik == 0) return "is not a key name";
        if (IsReservedKey(dik)) return "is a key the game keeps for itself";
        value = dik;
        return "";
    }
    }
    return "is not understood";
}

std::string LineLabel(int line) {
    return "line " + std::to_string(line) + ": ";
}

std::string DefaultUsed(SettingId id) {
    return "; the default " + ValueText(id, SpecOf(id).byDefault) + " is used";
}

// Two key settings with one key: the one the file gave (the later line when both came from it) goes back
// to its default. The defaults differ from each other, so this ends with every key bound once.
void ResolveKeysBoundTwice(Settings& settings, std::array<int, kSettingCount>& lineOf,
                           std::vector<std::string>& messages) {
    for (bool again = true; again;) {
        again = false;
        for (int a = SettingPlayer2Left; a < kSettingCount && !again; ++a) {
            for (int b = a + 1; b < kSettingCount && !again; ++b) {
                if (settings.values[a] != settings.values[b]) continue;
                const int loser = lineOf[b] > lineOf[a] ? b : a;
                const int keeper = loser == a ? b : a;
                const SettingId id = static_cast<SettingId>(loser);
                std::string where = lineOf[keeper] ? " (line " + std::to_string(lineOf[keeper]) + ")" : "";
                messages.push_back(LineLabel(lineOf[loser]) + SpecOf(id).key + " = " +
                                   ValueText(id, settings[id]) + " is also " +
                                   SpecOf(static_cast<SettingId>(keeper)).key + "'s key" + where +
                                   DefaultUsed(id));
                settings[id] = SpecOf(id).byDefault;
                lineOf[loser] = 0;
                again = true;
            }
        }
    }
}

std::string SettingLine(SettingId id, int value) {
    return std::string(SpecOf(id).key) + " = " + ValueText(id, value);
}

bool MakeFolders(const std::string& folder, std::string& error) {
    if (folder.empty()) return true;
    struct stat st {};
    if (stat(folder.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        error = folder + " is not a folder";
        return false;
    }
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash), error)) return false;
    // The folders of a user's configuration are private to that user.
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot make " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
} // namespace

SettingsDocument ParseSettings(std::string_view text, std::vector<std::string>& messages) {
    SettingsDocument doc;
    std::array<int, kSettingCount> seenOn{};    // the first line naming each setting, 0 for none
    std::array<int, kSettingCount> gaveValue{}; // the line whose value is used, 0 for none
    std::array<bool, kSettingCount> repeated{}; // given on more than one line
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        doc.lines.push_back({std::string(text.substr(start, end - start))});
        start = end + 1;
    }
    for (size_t n = 0; n < doc.lines.size(); ++n) {
        SettingsLine& line = doc.lines[n];
        const int lineNumber = static_cast<int>(n + 1);
        const std::string_view content = Trim(line.text);
        if (content.empty() || content[0] == '#' || content[0] == ';') continue;
        const size_t eq = content.find('=');
        if (eq == std::string_view::npos) {
            messages.push_back(LineLabel(lineNumber) + "\"" + Quoted(content) +
                               "\" is not a key = value line; it is left as it is");
            continue;
        }
        const SettingSpec* spec = SpecByKey(Trim(content.substr(0, eq)));
        if (!spec) continue; // a key of another version: kept, not used
        const SettingId id = spec->id;
        line.setting = id;
        if (seenOn[id] != 0) {
            if (!repeated[id])
                messages.push_back(LineLabel(lineNumber) + spec->key + " is given again (also on line " +
                                   std::to_string(seenOn[id]) + ")" + DefaultUsed(id));
            repeated[id] = true;
            gaveValue[id] = 0;
            doc.loaded[id] = spec->byDefault;
            continue;
        }
        seenOn[id] = lineNumber;
        const std::string_view valueText = Trim(content.substr(eq + 1));
        int value = 0;
        const std::string problem = ParseValue(*spec, valueText, value);
        if (!problem.empty()) {
            messages.push_back(LineLabel(lineNumber) + spec->key + " = " + Quoted(valueText) + " " + problem +
                               DefaultUsed(id));
            continue;
        }
        doc.loaded[id] = value;
        gaveValue[id] = lineNumber;
    }
    ResolveKeysBoundTwice(doc.loaded, gaveValue, messages);
    return doc;
}

std::string FormatSettings(const SettingsDocument& doc, const Settings& settings) {
    std::string out;
    std::array<bool, kSettingCount> present{};
    for (const SettingsLine& line : doc.lines) {
        if (line.setting < 0) {
            out += line.text + "\n";
            continue;
        }
        const SettingId id = static_cast<SettingId>(line.setting);
        if (settings[id] == doc.loaded[id]) {
            out += line.text + "\n";
        } else if (!present[id]) {
            out += SettingLine(id, settings[id]) + "\n";
        } else {
            out += "# " + line.text + "\n"; // a repeated key's other lines, kept but no longer in the way
        }
        present[id] = true;
    }
    const bool fresh = !doc.existed && doc.lines.empty();
    if (fresh) out += kHeader;
    for (const SettingSpec& spec : AllSettings()) {
        if (present[spec.id] || (!fresh && settings[spec.id] == doc.loaded[spec.id])) continue;
        if (spec.help) out += std::string("# ") + spec.key + ": " + spec.help + "\n";
        out += SettingLine(spec.id, settings[spec.id]) + "\n";
    }
    return out;
}

std::string SettingsPath(EnvironmentLookup lookup) {
    const char* config = lookup("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/zor/settings.ini";
    const char* home = lookup("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config/zor/settings.ini";
    return "";
}

SettingsDocument ReadSettingsFile(const std::string& path, std::vector<std::string>& messages) {
    SettingsDocument refused;
    refused.existed = true;
    refused.writable = false;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        messages.push_back(std::string("cannot be read (") + std::strerror(errno) +
                           "); the defaults are used and the file is left alone");
        return refused;
    }
    struct stat st {};
    std::string text;
    std::string problem;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = "is not a plain file";
    } else if (st.st_size < 0 || size_t(st.st_size) > kMaxFileBytes) {
        problem = "is larger than " + std::to_string(kMaxFileBytes) + " bytes";
    } else {
        char buffer[4096];
        for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;) {
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                problem = std::string("cannot be read (") + std::strerror(errno) + ")";
                break;
            }
            text.append(buffer, size_t(got));
            if (text.size() > kMaxFileBytes) {
                problem = "is larger than " + std::to_string(kMaxFileBytes) + " bytes";
                break;
            }
        }
    }
    close(fd);
    if (!problem.empty()) {
        messages.push_back(problem + "; the defaults are used and the file is left alone");
        return refused;
    }
    SettingsDocument doc = ParseSettings(text, messages);
    doc.existed = true;
    return doc;
}

bool WriteSettingsFile(const std::string& path, const SettingsDocument& doc, const Settings& settings,
                       std::string& error) {
    if (path.empty()) {
        error = "there is no place for it (neither XDG_CONFIG_HOME nor HOME is set)";
        return false;
    }
    if (!doc.writable) {
        error = path + " could not be read at start, so it is not written over";
        return false;
    }
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && !MakeFolders(path.substr(0, slash), error)) return false;
    const std::string text = FormatSettings(doc, settings);
    return WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()), error);
}
