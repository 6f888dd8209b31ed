// Builds the factory bank source from one text file per program. Each file names its program and
// lists only the parameters that differ from the default patch:
//
//     name Q-groovy 120bpm
//     2 0.65   # Main Volume
//
// Two shorthands keep patterns and sample slots readable:
//
//     track Groove1 1 BD1 x...x...5...x..9   # pattern, track 1..4, the pad it plays, 16 steps
//     sample 3 A Kravo Factory\Shaker.wav    # sample slot 1..8, layer A or B, the file's name
//
// A step is "." (off), "x" (on at full velocity) or a digit 1..9 (on at that many tenths of it).
// A track line sets the track's pad and the On and Velocity of all its steps; a sample line stores
// the name in the layer's name field and switches the layer on.
//
// Anything after "#" is a comment. A value outside 0..1, an index outside 0..9899, a parameter
// given twice (by any line), a missing or unusable name or a line that is none of these fails the
// build with "file:line: error: ...".
#include "plugin/parameters/default_patch.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/param_text.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/programs/factory_bank.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kravo::kProgramCount;
using kravo::param::kParameterCount;
using Program = std::array<float, kParameterCount>;

// The longest name a program shows; anything longer would be cut on screen.
constexpr std::size_t kMaxProgramNameLength = 24;

struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& file, int line, const std::string& message)
{
    std::string text = file;
    if (line > 0)
        text.append(":").append(std::to_string(line));
    text.append(": error: ").append(message);
    throw BuildError(text);
}

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string quoted(std::string_view text)
{
    std::string result;
    result.append("\"").append(text).append("\"");
    return result;
}

struct ParsedProgram {
    std::string name;
    Program values;
};

void setOnce(const std::string& file, int lineNumber, Program& values, std::set<int>& seen, int index, float value)
{
    if (!seen.insert(index).second)
        fail(file, lineNumber, "parameter " + std::to_string(index) + " is given twice");
    values[static_cast<std::size_t>(index)] = value;
}

void applyValueLine(const std::string& file, int lineNumber, std::string_view line, Program& values,
    std::set<int>& seen)
{
    const auto gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos)
        fail(file, lineNumber, "expected \"<index> <value>\", got " + quoted(line));
    const std::string_view indexText = line.substr(0, gap);
    const std::string_view valueText = trim(line.substr(gap));

    int index = 0;
    const auto [indexEnd, indexError] = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
    if (indexError != std::errc() || indexEnd != indexText.data() + indexText.size())
        fail(file, lineNumber, quoted(indexText) + " is not a parameter index");
    if (index < 0 || index >= kParameterCount)
        fail(file, lineNumber, "unknown parameter index " + std::to_string(index) + " (indices are 0..9899)");

    float value = 0.0f;
    const auto [valueEnd, valueError] = std::from_chars(valueText.data(), valueText.data() + valueText.size(), value);
    if (valueError != std::errc() || valueEnd != valueText.data() + valueText.size() || !std::isfinite(value))
        fail(file, lineNumber, quoted(valueText) + " is not a number");
    if (value < 0.0f || value > 1.0f)
        fail(file, lineNumber, "value " + std::string(valueText) + " of parameter " + std::to_string(index)
                + " is outside 0..1");

    setOnce(file, lineNumber, values, seen, index, value);
}

// The words of a line, split at blanks.
std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> result;
    while (!(line = trim(line)).empty()) {
        const auto gap = std::min(line.find_first_of(" \t"), line.size());
        result.push_back(line.substr(0, gap));
        line = line.substr(gap);
    }
    return result;
}

constexpr std::array<std::string_view, kravo::param::kPatternCount> kPatternNames = {
    "Groove1", "Groove2", "Groove3", "Groove4", "Break1", "Break2", "Break3", "Break4"};

void applyTrackLine(const std::string& file, int lineNumber, std::string_view line, Program& values,
    std::set<int>& seen)
{
    namespace param = kravo::param;
    const std::vector<std::string_view> w = words(line);
    if (w.size() != 4)
        fail(file, lineNumber, "expected \"track <pattern> <track 1..4> <pad> <16 steps>\", got " + quoted(line));
    const auto pattern = std::find(kPatternNames.begin(), kPatternNames.end(), w[0]) - kPatternNames.begin();
    if (pattern == kravo::param::kPatternCount)
        fail(file, lineNumber, quoted(w[0]) + " is not a pattern (Groove1..Groove4, Break1..Break4)");
    if (w[1].size() != 1 || w[1][0] < '1' || w[1][0] > '4')
        fail(file, lineNumber, quoted(w[1]) + " is not a track (1..4)");
    const int track = w[1][0] - '1';
    const auto& pads = param::display::kTrackPadNames;
    const auto pad = std::find(pads.begin(), pads.end(), w[2]) - pads.begin();
    if (pad == static_cast<std::ptrdiff_t>(pads.size()))
        fail(file, lineNumber, quoted(w[2]) + " is not a pad (BD1 .. Sample8, as the pattern page names them)");
    if (w[3].size() != param::kStepCount)
        fail(file, lineNumber, "a track has 16 steps, got " + quoted(w[3]));

    const auto p = static_cast<int>(pattern);
    setOnce(file, lineNumber, values, seen, param::trackTargetPadIndex(p, track),
        (static_cast<float>(pad) + 0.5f) / param::choicescale::kTrackTargetPad);
    for (int step = 0; step < param::kStepCount; ++step) {
        const char c = w[3][static_cast<std::size_t>(step)];
        if (c != '.' && c != 'x' && (c < '1' || c > '9'))
            fail(file, lineNumber, std::string("step ") + std::to_string(step + 1) + " is " + quoted(std::string(1, c))
                    + "; a step is \".\", \"x\" or a digit 1..9");
        const float velocity = c == 'x' || c == '.' ? 1.0f : static_cast<float>(c - '0') / 10.0f;
        setOnce(file, lineNumber, values, seen, param::stepAttributeIndex(param::StepAttribute::On, p, track, step),
            c == '.' ? 0.0f : 1.0f);
        setOnce(file, lineNumber, values, seen,
            param::stepAttributeIndex(param::StepAttribute::Velocity, p, track, step), velocity);
    }
}

void applySampleLine(const std::string& file, int lineNumber, std::string_view line, Program& values,
    std::set<int>& seen)
{
    namespace param = kravo::param;
    const auto firstGap = line.find_first_of(" \t");
    const std::string_view slotText = line.substr(0, firstGap);
    std::string_view rest = trim(line.substr(std::min(firstGap, line.size())));
    const auto secondGap = rest.find_first_of(" \t");
    const std::string_view layerText = rest.substr(0, secondGap);
    const std::string_view name = trim(rest.substr(std::min(secondGap, rest.size())));
    if (slotText.size() != 1 || slotText[0] < '1' || slotText[0] > '8')
        fail(file, lineNumber, quoted(slotText) + " is not a sample slot (1..8)");
    if (layerText != "A" && layerText != "B")
        fail(file, lineNumber, quoted(layerText) + " is not a layer (A or B)");
    if (name.empty() || name.size() >= static_cast<std::size_t>(param::kSampleNameLength))
        fail(file, lineNumber, "a sample name has 1 to 63 characters, got " + quoted(name));
    const int slot = slotText[0] - '1';
    const auto layer = layerText == "A" ? param::kLayerA : param::kLayerB;
    const int first = param::sampleNameIndex(layer, slot);
    for (int k = 0; k < param::kSampleNameLength; ++k)
        if (!seen.insert(first + k).second)
            fail(file, lineNumber, "parameter " + std::to_string(first + k) + " is given twice");
    kravo::writeParamText(values, first, name, param::kSampleNameLength);
    setOnce(file, lineNumber, values, seen, param::sampleLayerLayouts[static_cast<std::size_t>(layer)].on + slot, 1.0f);
}

void applyNameLine(const std::string& file, int lineNumber, std::string_view name, ParsedProgram& program)
{
    if (!program.name.empty())
        fail(file, lineNumber, "the program is named twice");
    if (name.empty())
        fail(file, lineNumber, "the program name is empty");
    if (name.size() > kMaxProgramNameLength)
        fail(file, lineNumber, "the program name is longer than 24 characters");
    for (const char c : name)
        if (c < 32 || c > 126)
            fail(file, lineNumber, "the program name holds a character that cannot be shown");
    program.name = std::string(name);
}

ParsedProgram readProgramFile(const std::string& file, const Program& defaults)
{
    std::ifstream in(file);
    if (!in)
        fail(file, 0, "cannot read the program file");

    ParsedProgram program{{}, defaults};
    std::set<int> seen;
    std::string rawLine;
    int lineNumber = 0;
    while (std::getline(in, rawLine)) {
        ++lineNumber;
        std::string_view line = rawLine;
        line = trim(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        const auto keyEnd = std::min(line.find_first_of(" \t"), line.size());
        const std::string_view key = line.substr(0, keyEnd);
        const std::string_view rest = trim(line.substr(keyEnd));
        if (key == "name")
            applyNameLine(file, lineNumber, rest, program);
        else if (key == "track")
            applyTrackLine(file, lineNumber, rest, program.values, seen);
        else if (key == "sample")
            applySampleLine(file, lineNumber, rest, program.values, seen);
        else
            applyValueLine(file, lineNumber, line, program.values, seen);
    }
    if (program.name.empty())
        fail(file, lineNumber, "the program has no \"name\" line");
    return program;
}

// Shortest text that reads back as the same float, as a float literal.
std::string floatLiteral(float value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    text += 'f';
    return text;
}

std::string stringLiteral(const std::string& text)
{
    std::string literal = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            literal += '\\';
        literal += c;
    }
    literal += '"';
    return literal;
}

std::string bankSource(const std::vector<ParsedProgram>& programs)
{
    std::ostringstream out;
    out << "// Generated from resources/factory/program_*.txt by kravo_factory_bank_generator; edit those.\n"
        << "#include \"plugin/programs/factory_bank.h\"\n\nnamespace kravo {\n\n"
        << "const char factoryProgramNames[kProgramCount][kProgramNameSize] = {\n";
    for (const ParsedProgram& program : programs)
        out << "    " << stringLiteral(program.name) << ",\n";
    out << "};\n\nconst float factoryBank[kProgramCount][param::kParameterCount] = {\n";
    for (const ParsedProgram& program : programs) {
        out << "{";
        for (std::size_t i = 0; i < program.values.size(); ++i)
            out << (i % 16 == 0 ? "\n" : " ") << floatLiteral(program.values[i]) << ",";
        out << "\n},\n";
    }
    out << "};\n\n} // namespace kravo\n";
    return out.str();
}

void writeSource(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        throw BuildError(path + ": error: cannot write the factory bank source");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 + kProgramCount) {
        std::cerr << "usage: kravo_factory_bank_generator <output.cpp> <" << kProgramCount
                  << " program files, program 0 first>\n";
        return 2;
    }
    try {
        Program defaults{};
        kravo::fillDefaultValues(defaults);
        std::vector<ParsedProgram> programs;
        for (int p = 0; p < kProgramCount; ++p)
            programs.push_back(readProgramFile(argv[2 + p], defaults));
        writeSource(argv[1], bankSource(programs));
    } catch (const BuildError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
