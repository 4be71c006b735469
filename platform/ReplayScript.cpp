#include "platform/ReplayScript.h"

#include <sstream>

namespace {
constexpr int kStickMin = -32768, kStickMax = 32767;

bool ParsePad(std::istringstream& in, ReplayStep& step, std::string& why) {
    std::string what;
    in >> what;
    if (what == "plug" || what == "unplug") {
        step.kind = what == "plug" ? ReplayStep::PadPlug : ReplayStep::PadUnplug;
    } else if (what == "down" || what == "up") {
        step.kind = what == "down" ? ReplayStep::PadDown : ReplayStep::PadUp;
        if (!(in >> step.text)) {
            why = "pad " + what + " takes a button name";
            return false;
        }
    } else if (what == "stick") {
        step.kind = ReplayStep::PadStick;
        if (!(in >> step.dx >> step.dy) || step.dx < kStickMin || step.dx > kStickMax ||
            step.dy < kStickMin || step.dy > kStickMax) {
            why = "pad stick takes X Y from -32768 to 32767";
            return false;
        }
    } else {
        why = "pad takes plug, unplug, down, up or stick";
        return false;
    }
    return true;
}

bool ParseStep(const std::string& line, ReplayStep& step, std::string& why) {
    std::istringstream in(line);
    std::string verb, arg;
    if (!(in >> step.frame) || step.frame < 0) {
        why = "a line starts with its frame number";
        return false;
    }
    if (!(in >> verb)) {
        why = "missing action";
        return false;
    }
    if (verb == "key" || verb == "button") {
        std::string dir;
        if (!(in >> dir >> step.text) || (dir != "down" && dir != "up")) {
            why = verb + " takes down|up and a name";
            return false;
        }
        const bool down = dir == "down";
        step.kind = verb == "key" ? (down ? ReplayStep::KeyDown : ReplayStep::KeyUp)
                                  : (down ? ReplayStep::ButtonDown : ReplayStep::ButtonUp);
        if (verb == "button" && step.text != "left" && step.text != "right" && step.text != "middle") {
            why = "button is left, right or middle";
            return false;
        }
    } else if (verb == "move") {
        step.kind = ReplayStep::Move;
        if (!(in >> step.dx >> step.dy)) {
            why = "move takes DX DY";
            return false;
        }
    } else if (verb == "text") {
        step.kind = ReplayStep::Text;
        std::getline(in, arg);
        const size_t open = arg.find('"');
        const size_t close = arg.rfind('"');
        if (open == std::string::npos || close == open) {
            why = "text takes a quoted string";
            return false;
        }
        step.text = arg.substr(open + 1, close - open - 1);
    } else if (verb == "focus") {
        if (!(in >> arg) || (arg != "lost" && arg != "gained")) {
            why = "focus takes lost|gained";
            return false;
        }
        step.kind = arg == "lost" ? ReplayStep::FocusLost : ReplayStep::FocusGained;
    } else if (verb == "shot" || verb == "screen") {
        step.kind = verb == "shot" ? ReplayStep::Shot : ReplayStep::Screen;
        if (!(in >> step.text)) {
            why = verb + " takes a file name";
            return false;
        }
    } else if (verb == "reset") {
        if (!(in >> arg) || (arg != "device" && arg != "targets")) {
            why = "reset takes device|targets";
            return false;
        }
        step.kind = arg == "device" ? ReplayStep::ResetDevice : ReplayStep::ResetTargets;
    } else if (verb == "pad") {
        return ParsePad(in, step, why);
    } else if (verb == "end") {
        step.kind = ReplayStep::End;
    } else {
        why = "unknown action '" + verb + "'";
        return false;
    }
    return true;
}
} // namespace

bool ReplayScript::Parse(const std::string& text, std::string& error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    int lastFrame = 0;
    while (std::getline(in, line)) {
        ++number;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        ReplayStep step;
        std::string why;
        if (!ParseStep(line, step, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        if (step.frame < lastFrame) {
            error = "line " + std::to_string(number) + ": frames must not decrease";
            return false;
        }
        lastFrame = step.frame;
        if (step.kind == ReplayStep::End && endFrame < 0) endFrame = step.frame;
        steps.push_back(step);
    }
    return true;
}
