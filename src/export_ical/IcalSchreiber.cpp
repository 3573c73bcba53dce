#include "IcalSchreiber.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace kalvora;

namespace {

struct KomponenteFrei {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

icaltimetype Tag(const Datum& d) {
    icaltimetype t = icaltime_null_date();
    t.year = d.jahr;
    t.month = d.monat;
    t.day = d.tag;
    return t;
}

// Floating: the same wall-clock hour wherever the calendar is shown.
icaltimetype Uhrzeit(const Datum& d, int stunde) {
    icaltimetype t = icaltime_null_time();
    t.year = d.jahr;
    t.month = d.monat;
    t.day = d.tag;
    t.hour = stunde;
    return t;
}

// libical writes commas in CATEGORIES as list separators, unescaped: one meaning stays one category.
std::string Kategorie(std::string text) {
    std::replace(text.begin(), text.end(), ',', ';');
    return text;
}

} // namespace

std::string CIcalSchreiber::Text(const std::vector<KalenderTermin>& termine) const {
    std::unique_ptr<icalcomponent, KomponenteFrei> kalender(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(kalender.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(kalender.get(), icalproperty_new_prodid("-//Kalvora//Kalvora " KALVORA_VERSION "//DE"));
    icalcomponent_add_property(kalender.get(), icalproperty_new_calscale("GREGORIAN"));
    for (const KalenderTermin& t : termine) {
        icalcomponent* ereignis = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(ereignis, icalproperty_new_uid(t.m_strUid.c_str()));
        icalcomponent_add_property(
            ereignis, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
                          static_cast<time_t>(t.m_timeStempel.GetTime()), 0, icaltimezone_get_utc_timezone())));
        switch (t.m_nArt) {
        case KalenderTermin::Ganztags:
            icalcomponent_add_property(ereignis, icalproperty_new_dtstart(Tag(t.m_datumVon)));
            icalcomponent_add_property(ereignis, icalproperty_new_dtend(Tag(t.m_datumBis)));
            break;
        case KalenderTermin::Vormittag:
            icalcomponent_add_property(ereignis, icalproperty_new_dtstart(Uhrzeit(t.m_datumVon, kVormittagVon)));
            icalcomponent_add_property(ereignis, icalproperty_new_dtend(Uhrzeit(t.m_datumBis, kVormittagBis)));
            break;
        case KalenderTermin::Nachmittag:
            icalcomponent_add_property(ereignis, icalproperty_new_dtstart(Uhrzeit(t.m_datumVon, kNachmittagVon)));
            icalcomponent_add_property(ereignis, icalproperty_new_dtend(Uhrzeit(t.m_datumBis, kNachmittagBis)));
            break;
        }
        icalcomponent_add_property(ereignis, icalproperty_new_summary(t.m_strTitel.c_str()));
        if (!t.m_strBeschreibung.empty())
            icalcomponent_add_property(ereignis, icalproperty_new_description(t.m_strBeschreibung.c_str()));
        icalcomponent_add_property(ereignis, icalproperty_new_categories(Kategorie(t.m_strKategorie).c_str()));
        icalcomponent_add_component(kalender.get(), ereignis);
    }
    char* text = icalcomponent_as_ical_string_r(kalender.get());
    if (!text) return {};
    std::string ergebnis(text);
    std::free(text);
    return ergebnis;
}
