#include "osklayout.h"

#include <new>
#include <ostream>

#include "keys/palette_table.h"
#include "layout_check.h"
#include "layout_file.h"
#include "layout_render.h"
#include "support/framework/exceptions.h"
#include "support/framework/stream.h"
#include "support/lib/stream_files.h"

namespace {
const char kUsage[] =
    "usage: osklayout print FILE\n"
    "       osklayout convert IN OUT --text|--binary [--compress]\n"
    "       osklayout check FILE\n"
    "       osklayout render FILE OUT.bmp\n"
    "  print    writes the layout in text form to standard output\n"
    "  convert  writes IN to OUT in text or binary form, compressed with --compress\n"
    "  check    exits 0 when FILE is a layout the components load, else names the first error\n"
    "  render   draws the layout as it appears at run time into a bitmap file (Windows only)\n";

struct TUsageError {
    std::string Reason;
};

struct TConvertOptions {
    std::string Input;
    std::string Output;
    bool Text = false;
    bool Compress = false;
};

TConvertOptions ParseConvertOptions(const std::vector<std::string>& args) {
    TConvertOptions options;
    std::vector<std::string> files;
    int forms = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--text" || arg == "--binary") {
            options.Text = arg == "--text";
            ++forms;
        } else if (arg == "--compress") {
            options.Compress = true;
        } else if (arg.starts_with("--")) {
            throw TUsageError{"unknown option " + arg};
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) throw TUsageError{"convert needs an input and an output file"};
    if (forms != 1) throw TUsageError{"convert needs exactly one of --text and --binary"};
    options.Input = files[0];
    options.Output = files[1];
    return options;
}

const std::string& SingleFile(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[1].starts_with("--")) throw TUsageError{args[0] + " needs exactly one file"};
    return args[1];
}

// Names the file a failure belongs to, so that every message stands on its own line.
struct TFileScope {
    std::string FileName;
};

// One line naming the file, unless the message names it already (the I/O errors do).
std::string FailureLine(const TFileScope& scope, std::string message) {
    for (char& c : message)
        if (c == '\r' || c == '\n') c = ' ';
    const bool named = scope.FileName.empty() || message.find(scope.FileName) != std::string::npos;
    return "osklayout: " + (named ? message : scope.FileName + ": " + message) + "\n";
}

int Print(const std::string& fileName, std::ostream& out) {
    TMemoryStream content;
    LoadLayoutFile(fileName, content);
    out << LayoutText(content);
    out.flush();
    return kOsklayoutOk;
}

int Convert(const TConvertOptions& options, TFileScope& scope) {
    TMemoryStream content;
    LoadLayoutFile(options.Input, content);
    const std::string converted = options.Text ? LayoutText(content) : LayoutBinary(content);
    TMemoryStream result;
    result.WriteBuffer(converted.data(), static_cast<int32_t>(converted.size()));
    scope.FileName = options.Output;
    HSaveStream(&result, options.Output.c_str(), options.Compress);
    return kOsklayoutOk;
}

int Check(const std::string& fileName, std::ostream& out) {
    TMemoryStream content;
    LoadLayoutFile(fileName, content);
    CheckLayout(content);
    out << fileName << ": valid layout\n";
    return kOsklayoutOk;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, TFileScope& scope) {
    if (args.empty()) throw TUsageError{"no command given"};
    const std::string& command = args[0];
    if (command == "print") {
        scope.FileName = SingleFile(args);
        return Print(scope.FileName, out);
    }
    if (command == "convert") {
        const TConvertOptions options = ParseConvertOptions(args);
        scope.FileName = options.Input;
        return Convert(options, scope);
    }
    if (command == "check") {
        scope.FileName = SingleFile(args);
        return Check(scope.FileName, out);
    }
    if (command == "render") {
        if (args.size() != 3) throw TUsageError{"render needs a layout file and an output file"};
        scope.FileName = args[1];
        RenderLayout(args[1], args[2]);
        return kOsklayoutOk;
    }
    throw TUsageError{"unknown command " + command};
}
}  // namespace

int RunOsklayout(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    RegisterLayoutClasses();
    TFileScope scope;
    try {
        return RunCommand(args, out, scope);
    } catch (const TUsageError& e) {
        err << "osklayout: " << e.Reason << "\n" << kUsage;
        return kOsklayoutUsage;
    } catch (const Exception& e) {
        err << FailureLine(scope, e.Message);
    } catch (const std::bad_alloc&) {
        err << FailureLine(scope, "Out of memory");
    } catch (const std::exception& e) {
        err << FailureLine(scope, e.what());
    }
    return kOsklayoutFailed;
}
