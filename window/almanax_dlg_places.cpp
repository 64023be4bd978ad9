// The main window's place selection: the cascade of continent, country, state and city lists and
// the typed coordinates, shown from the place selection.
#include "almanax_dlg.h"
#include "settings/window_session.h"
#include "resources/string_table.h"

void CAlmanaxDlg::InitPlaceSelection(const settings::WindowSession& session) {
    ChangePlace([&] {
        return m_places.InitPlaceSelection(
            m_programFolder, m_languageCode,
            {session.continent, session.country, session.state, session.city});
    });
}

void CAlmanaxDlg::OnCoordinateFieldLeft(FieldLeft fieldLeft) {
    ReadBoundTexts();
    ChangePlace([&] { return (m_places.*fieldLeft)(m_latitudeField, m_longitudeField); });
}

// A place file that cannot be read stops the cascade where it stands: the lists show what was
// done before, and the error goes on to the handler's message box.
void CAlmanaxDlg::ChangePlace(const std::function<places::PlaceChanges()>& change) {
    places::PlaceChanges changes;
    try {
        changes = change();
    } catch (...) {
        ShowPlaceChanges(m_places.TakeChanges());
        throw;
    }
    ShowPlaceChanges(changes);
}

void CAlmanaxDlg::ShowPlaceChanges(const places::PlaceChanges& changes) {
    const auto show = [](framework::SortedDropDownBase& list, const places::PlaceListItems& items,
                         places::ListChange change) {
        if (change.items) list.ShowItems(items.texts);
        if (change.items || change.selection) list.SetSelection(items.selection);
    };
    show(m_continentList, m_places.Continents(), changes.continents);
    show(m_countryList, m_places.Countries(), changes.countries);
    show(m_stateList, m_places.States(), changes.states);
    show(m_cityList, m_places.Cities(), changes.cities);
    if (changes.stateRow) ShowStateRow(m_places.StateRowShown());
    if (changes.stateCaption) {
        m_stateCaption = resources::LoadLocalizedString(m_places.StateCaptionId());
    }
    if (changes.coordinates) {
        m_latitudeField = m_places.LatitudeText();
        m_longitudeField = m_places.LongitudeText();
    }
    if (changes.placeChanged) RefreshReport();
    if (changes.placeShown) WriteBoundTexts();
}

void CAlmanaxDlg::ShowStateRow(bool shown) {
    for (const int id : {kStateCaption, kStateList}) {
        if (wxWindow* control = Control(id)) control->Show(shown);
    }
    m_placeRows.Show(*this, shown);
}
