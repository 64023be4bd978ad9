#!/usr/bin/env python3
"""Plants small faults in the code one at a time, rebuilds, and runs the test programs that should
catch each, to measure what the suite catches: a fault that every test survives is a gap, or an
equivalent change.

    tools/plant_faults.py [BUILD_FOLDER] [--only SUBSTRING]

BUILD_FOLDER is a configured build (default build/). Each fault names a file, an exact snippet
that occurs once in it, its replacement, and the CTest labels of the test programs to run
(settings, report, update, ui, calendar); the file is restored after every fault, also when the run is
stopped. Prints one line per fault and the share caught.
"""
import pathlib
import signal
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# (subsystem, file, snippet, replacement, labels)
FAULTS = [
    ("chart", "chart/day_chart.cpp", "return reportHours - day.report.utcOffsetHours - HoursBetween(dateStartUt, light.midnightUt);",
     "return reportHours - day.report.utcOffsetHours - 0 * HoursBetween(dateStartUt, light.midnightUt);", "report"),
    ("chart", "chart/day_chart.cpp", "if (std::abs(event - crossing) < distance) {", "if (std::abs(event - crossing) < distance * 0) {", "report"),
    ("chart", "chart/day_chart.cpp", "        if (!event.occurs) return;\n        chart.events", "        chart.events", "report"),
    ("chart", "chart/day_chart.cpp", "hour <= static_cast<int>(std::floor(light.dayHours + 1e-9))", "hour < 24", "report"),
    ("chart", "chart/day_chart.cpp", "    withCulmination(chart.sun, r.sunCulmination, r.sunCulminationAltitude);\n", "", "report"),
    ("access", "framework/accessible_names.cpp", "gtk_label_set_mnemonic_widget(GTK_LABEL(label), field);", "", "ui"),
    ("access", "framework/accessible_names.cpp", "return gtk_window_mnemonic_activate(GTK_WINDOW(window), keyval, GDK_MOD1_MASK) != FALSE;",
     "return false;", "ui"),
    ("access", "framework/accessible_names.cpp", "atk_object_set_name(button, name.c_str());", "", "ui"),
    ("access", "framework/accessible_names.cpp", "atk_object_add_relationship(value, ATK_RELATION_LABELLED_BY, captionObject);", "", "ui"),
    ("access", "resources/caption_targets.cpp", "if (nearest == nullptr || caption.x > nearest->x)", "if (nearest == nullptr || caption.x < nearest->x)", "settings ui"),
    ("access", "resources/mnemonics.cpp", "if (common::FoldCase(text[i]) == letter)", "if (text[i] == letter)", "settings ui"),
    ("access", "common/type_ahead.cpp", "if (typed_.empty() || now - last_ > kPause) typed_.clear();", "typed_.clear();", "settings ui"),
    ("access", "framework/sorted_drop_down_list.cpp", "control->ProcessWindowEvent(chosen);", "", "ui"),
    ("settings", "settings/app_settings.cpp", "Utf16Length(value->text) <= kMaxStringUnits",
     "Utf16Length(value->text) < kMaxStringUnits", "settings"),
    ("settings", "settings/app_settings.cpp", "if (contents.size() > kLargestSettingsFile) return false;",
     "if (contents.size() > kLargestSettingsFile + 4096) return false;", "settings ui"),
    ("settings", "settings/app_settings.cpp", ": 0600;", ": 0644;", "settings"),
    ("settings", "settings/registry_file.cpp", "if (digits.empty() || digits.size() > 8) return parsed;",
     "if (digits.empty() || digits.size() > 9) return parsed;", "settings"),
    ("settings", "settings/registry_file.cpp", "if (ch >= 'a' && ch <= 'f') digit = ch - 'a' + 10;",
     "if (ch >= 'a' && ch <= 'e') digit = ch - 'a' + 10;", "settings"),
    ("settings", "settings/registry_file.cpp", "if (a.size() != b.size()) return false;",
     "if (a.size() < b.size()) return false;", "settings"),
    ("places", "places/place_files.cpp", 'if (bytes.substr(0, 3) == "\\xEF\\xBB\\xBF") bytes.remove_prefix(3);',
     "", "settings"),
    ("places", "places/place_files.cpp", "if (end > start) lines.push_back(",
     "if (end >= start) lines.push_back(", "settings"),
    ("places", "places/place_files.cpp", 'if (stateListPath.find("france") != std::string::npos) return resources::kCaptionRegion;',
     'if (stateListPath.find("francia") != std::string::npos) return resources::kCaptionRegion;',
     "settings ui"),
    ("places", "places/coordinate_text.cpp", "if (longitude >= -180 && longitude <= 180) return longitude;",
     "if (longitude > -180 && longitude <= 180) return longitude;", "settings report ui"),
    ("update", "update/download_worker.cpp", "if (percent - lastReportedPercentage.load() >= 25) {",
     "if (percent - lastReportedPercentage.load() > 25) {", "update"),
    ("update", "update/update_flow.cpp", "if (timerId != kInstallerTimer || !m_checker.InstallerReady() || m_installerStarted) return false;",
     "if (timerId != kInstallerTimer || !m_checker.InstallerReady()) return false;", "update ui"),
    ("update", "update/update_flow.cpp", "m_checker.SetLastError(errno != 0 ? errno : -1);",
     "m_checker.SetLastError(-1);", "update"),
    ("window", "window/almanax_dlg.cpp", "rect.GetRight() + 1, rect.GetBottom() + 1};",
     "rect.GetRight(), rect.GetBottom() + 1};", "ui"),
    ("window", "window/almanax_dlg.cpp", "if (date == PickerDate() && !evenIfShown) return;",
     "if (date == PickerDate() && (evenIfShown || !evenIfShown)) return;", "ui"),
    ("window", "window/almanax_dlg.cpp", "m_phaseRows.Show(*this, r.fullMoonFirst);",
     "m_phaseRows.Show(*this, !r.fullMoonFirst);", "ui"),
    ("settings", "settings/registry_file.cpp", "return ch >= 'A' && ch <= 'Z' ?",
     "return ch >= 'A' && ch < 'Z' ?", "settings"),
    ("settings", "settings/registry_file.cpp", "case 'r': decoded.push_back('\\r'); break;",
     "case 'r': decoded.push_back('r'); break;", "settings"),
    ("settings", "settings/registry_file.cpp", "if (i + 1 < m_lines.size() || m_endsWithLineFeed) out += '\\n';",
     "if (i + 1 < m_lines.size()) out += '\\n';", "settings"),
    ("settings", "settings/registry_file.cpp", "file.m_endsWithLineFeed = contents.empty() || contents.back() == '\\n';",
     "file.m_endsWithLineFeed = true;", "settings"),
    ("settings", "settings/registry_file.cpp", "line.endsWithCrLf = !m_lines.empty() && m_lines.front().endsWithCrLf;",
     "line.endsWithCrLf = false;", "settings"),
    ("settings", "settings/app_settings.cpp", "for (const std::string* path : {&files.user, &files.machine}) {",
     "for (const std::string* path : {&files.machine, &files.user}) {", "settings"),
    ("settings", "settings/window_session.cpp", "session.right = ReadSettingDword(kSettingWindowPosRight);",
     "session.right = ReadSettingDword(kSettingWindowPosBottom);", "settings ui"),
    ("settings", "settings/window_session.h", "return left != 0 || top != 0 || right != 0 || bottom != 0;",
     "return left != 0 || top != 0;", "settings ui"),
    ("places", "places/place_files.cpp", "if (end > start) fields.push_back(",
     "if (end >= start) fields.push_back(", "settings"),
    ("places", "places/coordinate_text.cpp", "if (longitude >= -180 && longitude <= 180) return longitude;",
     "if (longitude >= -180 && longitude < 180) return longitude;", "settings report ui"),
    ("places", "places/coordinate_text.cpp", "return separator.size() == 1 ? separator[0] : L'.';",
     "return L'.';", "settings ui"),
    ("places", "places/coordinate_text.cpp", "if (latitude < -90) return -90;",
     "if (latitude < -90) return 90;", "settings ui"),
    ("update", "update/update_checker.cpp", "const bool successStatus = result.status >= 200 && result.status < 300;",
     "const bool successStatus = result.status >= 200 && result.status <= 300;", "update"),
    ("update", "update/download_worker.cpp", "result.status >= 200 && result.status < 300;",
     "result.status >= 200 && result.status < 400;", "update"),
    ("update", "update/update_checker.cpp", "if (result.status == 0) m_lastError = result.errorCode;",
     "m_lastError = result.errorCode;", "update"),
    ("update", "update/update_checker.cpp", "if (size > kMaxAnswerBytes - body.size()) {",
     "if (size >= kMaxAnswerBytes - body.size()) {", "update"),
    ("update", "update/download_worker.cpp", "if (received.size() + size > job.maxBytes) {",
     "if (received.size() + size >= job.maxBytes) {", "update"),
    ("update", "update/version_text.cpp", "if (dot != std::wstring::npos) position = dot + 1;",
     "if (dot != std::wstring::npos) position = dot;", "update"),
    ("window", "window/update_download_progress.cpp", "bar->SetValue(percent);",
     "bar->SetValue(percent / 2);", "ui"),
    ("window", "window/almanax_dlg.cpp", "SetSize(session.left, session.top, GetSize().x, GetSize().y, wxSIZE_ALLOW_MINUS_ONE);",
     "SetSize(session.left, session.top, GetSize().x, GetSize().y);", "ui"),
    ("window", "window/almanax_dlg.cpp", "settings::WriteWindowSession(session, !IsIconized());",
     "settings::WriteWindowSession(session, IsIconized());", "ui"),
    ("window", "window/almanax_dlg_places.cpp", "if (change.items || change.selection) list.SetSelection(items.selection);",
     "if (change.selection) list.SetSelection(items.selection);", "ui"),
    ("window", "window/almanax_dlg_places.cpp", "if (wxWindow* control = Control(id)) control->Show(shown);",
     "if (wxWindow* control = Control(id)) control->Show(true);", "ui"),
    ("calendar", "calendar/calendar_events.cpp", "report::EventInstant(zone.rule,",
     "report::EventInstant([&] { auto rule = zone.rule; rule.Bias = -rule.Bias; return rule; }(),", "calendar"),
    ("calendar", "calendar/calendar_events.cpp", '{"moonset", "moonset",', '{"moonsets", "moonset",', "calendar"),
    ("calendar", "calendar/span_calendar.cpp", 'return std::string(date) + "-" + event.kind', "return event.kind",
     "calendar"),
]


def run(command, **options):
    return subprocess.run(command, cwd=ROOT, capture_output=True, text=True, **options)


def passes(build, labels):
    """True when every test of the labels passes, each run alone by CTest as the suite runs it (a
    test that needs the first download of its process runs too); a time-out counts as caught."""
    pattern = "^(" + "|".join(labels.split()) + ")$"
    try:
        return run(["ctest", "--test-dir", build, "-L", pattern, "-j2"], timeout=1800).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # restores the file through finally
    arguments = [a for a in sys.argv[1:] if not a.startswith("--")]
    build = arguments[0] if arguments else "build"
    only = sys.argv[sys.argv.index("--only") + 1] if "--only" in sys.argv else ""
    caught = survived = 0
    for subsystem, name, snippet, replacement, tests in FAULTS:
        if only and only not in name:
            continue
        path = ROOT / name
        original = path.read_text(encoding="utf-8")
        if original.count(snippet) != 1:
            print(f"SKIP   {name}: the snippet occurs {original.count(snippet)} times: {snippet}")
            continue
        try:
            path.write_text(original.replace(snippet, replacement), encoding="utf-8")
            built = run(["cmake", "--build", build]).returncode == 0
            tested = built and passes(build, tests)
        finally:
            path.write_text(original, encoding="utf-8")
        # A fault the compiler refuses tells nothing of the tests.
        verdict = "NOBUILD" if not built else "caught" if not tested else "SURVIVED"
        caught += built and not tested
        survived += built and tested
        print(f"{verdict:8} {subsystem:8} {name}: {snippet!r} -> {replacement!r}", flush=True)
    run(["cmake", "--build", build])
    total = caught + survived
    print(f"{caught} of {total} faults caught ({100 * caught // max(total, 1)} %)")


if __name__ == "__main__":
    main()
