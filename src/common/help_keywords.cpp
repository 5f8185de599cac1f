#include "common/help_keywords.h"

namespace arkivo {

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> topics = {
        {"Sisällys", "sisallys.html", "Sisällys"},
        {"Käyttöpaneeli", "kayttopaneeli.html", "Käyttöpaneeli"},
        {"Toiminnot", "toiminnot.html", "Asetukset: Toiminnot"},
        {"Kokoonpanot", "kokoonpanot.html", "Asetukset: Kokoonpanot"},
        {"Valikoidenmuokkaus", "valikoidenmuokkaus.html", "Asetukset: Valikoiden muokkaus"},
        {"Taustakuvat", "taustakuvat.html", "Asetukset: Taustakuvat"},
        {"VäritjaFontit", "varitjafontit.html", "Asetukset: Värit ja fontit"},
        {"Kuvakkeet", "kuvakkeet.html", "Asetukset: Kuvakkeet"},
        {"Äänieditori", "aanieditori.html", "Asetukset: Äänieditori"},
        {"Päivyri", "paivyri.html", "Kalenteri: Päivyri"},
        {"Viikkokalenteri", "viikkokalenteri.html", "Kalenteri: Viikkokalenteri"},
        {"Kuukausikalenteri", "kuukausikalenteri.html", "Kalenteri: Kuukausikalenteri"},
        {"Vuosikalenteri", "vuosikalenteri.html", "Kalenteri: Vuosikalenteri"},
        {"a30hälytyspäivämäärää", "a30halytyspaivamaaraa.html", "Kalenteri: 30 hälytyspäivämäärää"},
        {"Muistiinpanoja", "muistiinpanoja.html", "Kalenteri: Muistiinpanoja"},
        {"Leikepöytä", "leikepoyta.html", "Kalenteri: Leikepöytä"},
        {"Herätyskello", "heratyskello.html", "Herätyskello"},
        {"Ajastin", "ajastin.html", "Ajastin"},
        {"Muistilaput", "muistilaput.html", "Muistilaput"},
        {"Näytönlukitsija", "naytonlukitsija.html", "Näytönlukitsija"},
        {"ViestiLappu", "viestilappu.html", "Viestilappu"},
        {"Nauhalaskin", "nauhalaskin.html", "Nauhalaskin"},
        {"Eurolaskin", "eurolaskin.html", "Eurolaskin"},
        {"Polttoainelaskin", "polttoainelaskin.html", "Polttoainelaskin"},
        {"TarkistutaKello", "tarkistutakello.html", "Tarkistuta kello"},
        {"Varmuuskopiointi", "varmuuskopiointi.html", "Varmuuskopiointi"},
        {"Tetrispeli", "tetrispeli.html", "Tetris-peli"},
        {"Versiohistoria", "versiohistoria.html", "Versiohistoria"},
    };
    return topics;
}

QString helpPage(const QString& keyword) {
    const QString k = keyword.trimmed();
    for (const HelpTopic& t : helpTopics())
        if (k.compare(QString::fromUtf8(t.keyword), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(t.page);
    return QString::fromUtf8(helpTopics().front().page);
}

} // namespace arkivo
