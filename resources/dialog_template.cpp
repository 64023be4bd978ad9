#include "dialog_template.h"

#include <charconv>
#include <map>
#include <mutex>

#include "common/utf8_text.h"
#include "resources/embedded_resources.h"

namespace resources {

namespace {

const std::map<std::string_view, ControlKind> kKinds = {
    {"button", ControlKind::kButton},     {"datepicker", ControlKind::kDatePicker},
    {"dropdown", ControlKind::kDropDown}, {"edit", ControlKind::kEdit},
    {"caption", ControlKind::kCaption},   {"text", ControlKind::kText},
    {"value", ControlKind::kValue},       {"groupbox", ControlKind::kGroupBox},
    {"bitmap", ControlKind::kBitmap},     {"icon", ControlKind::kIcon},
    {"progress", ControlKind::kProgressBar},
    {"link", ControlKind::kLink},
};

class Tokens {
public:
    Tokens(std::string_view line, int lineNumber) : m_line(line), m_lineNumber(lineNumber) {}

    bool AtEnd() {
        SkipBlanks();
        return m_line.empty();
    }

    std::string_view Word() {
        SkipBlanks();
        const std::size_t end = m_line.find(' ');
        const std::string_view word = m_line.substr(0, end);
        m_line = end == std::string_view::npos ? std::string_view() : m_line.substr(end);
        if (word.empty()) Fail("a word is missing");
        return word;
    }

    int Number() {
        const std::string_view word = Word();
        int value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size()) Fail("not a number");
        return value;
    }

    std::wstring Quoted() {
        SkipBlanks();
        if (m_line.empty() || m_line.front() != '"') Fail("a quoted text is missing");
        const std::size_t close = m_line.find('"', 1);
        if (close == std::string_view::npos) Fail("a quoted text is not closed");
        const std::string_view text = m_line.substr(1, close - 1);
        m_line = m_line.substr(close + 1);
        return common::Utf8ToWide(text);
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw DialogTemplateError("dialog template line " + std::to_string(m_lineNumber) + ": " + what);
    }

private:
    void SkipBlanks() {
        while (!m_line.empty() && m_line.front() == ' ') m_line.remove_prefix(1);
    }

    std::string_view m_line;
    int m_lineNumber;
};

}  // namespace

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    for (const ControlTemplate& control : controls) {
        if (control.id == controlId) return &control;
    }
    return nullptr;
}

DialogTemplate ParseDialogTemplate(std::string_view utf8) {
    DialogTemplate dialog;
    bool haveDialog = false;
    int lineNumber = 0;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8 = end == std::string_view::npos ? std::string_view() : utf8.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        Tokens tokens(line, lineNumber);
        if (tokens.AtEnd() || line.front() == '#') continue;
        const std::string_view keyword = tokens.Word();
        if (keyword == "dialog") {
            if (haveDialog) tokens.Fail("a second dialog line");
            dialog.id = tokens.Number();
            dialog.width = tokens.Number();
            dialog.height = tokens.Number();
            dialog.title = tokens.Quoted();
            while (!tokens.AtEnd()) dialog.styles.insert(std::string(tokens.Word()));
            haveDialog = true;
            continue;
        }
        if (keyword != "control") tokens.Fail("unknown line");
        if (!haveDialog) tokens.Fail("a control before the dialog line");
        ControlTemplate control;
        control.id = tokens.Number();
        const std::string_view kind = tokens.Word();
        const auto found = kKinds.find(kind);
        if (found == kKinds.end()) tokens.Fail("unknown control kind " + std::string(kind));
        control.kind = found->second;
        control.x = tokens.Number();
        control.y = tokens.Number();
        control.width = tokens.Number();
        control.height = tokens.Number();
        control.text = tokens.Quoted();
        while (!tokens.AtEnd()) {
            const std::string_view style = tokens.Word();
            if (style.rfind("bitmap=", 0) == 0) {
                Tokens number(style.substr(7), lineNumber);
                control.bitmap = number.Number();
            } else {
                control.styles.insert(std::string(style));
            }
        }
        if (control.id >= 0 && dialog.Find(control.id) != nullptr) {
            tokens.Fail("control id " + std::to_string(control.id) + " is used twice");
        }
        dialog.controls.push_back(std::move(control));
    }
    if (!haveDialog) throw DialogTemplateError("dialog template without a dialog line");
    return dialog;
}

const DialogTemplate& LoadDialogTemplate(int id) {
    static std::mutex mutex;
    static std::map<int, DialogTemplate> loaded;
    std::lock_guard<std::mutex> guard(mutex);
    if (const auto found = loaded.find(id); found != loaded.end()) return found->second;
    for (std::size_t i = 0; i < resources::kEmbeddedFileCount; ++i) {
        const std::string_view name = resources::kEmbeddedFiles[i].name;
        const std::string suffix = "_" + std::to_string(id) + ".dlg";
        if (name.rfind("dialogs/", 0) != 0 || name.size() < suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        const auto contents = resources::FindEmbeddedFile(name);
        return loaded.emplace(id, ParseDialogTemplate(*contents)).first->second;
    }
    throw DialogTemplateError("the program holds no dialog template " + std::to_string(id));
}

}  // namespace resources
