#include "export/uddf_export.h"

#include <QXmlStreamWriter>
#include <charconv>

#include "export/atomic_device.h"
#include "export/dive_texts.h"
#include "export/uddf_index.h"
#include "export/uddf_values.h"
#include "framework/core/number_text.h"
#include "logbook/list_text.h"
#include "profile/profile_decoder.h"

namespace {

// Sample flag bits and the alarm keywords UDDF has for them. The transmitter bit (0x20)
// has no keyword of its own and is left out.
struct Allarme {
    uint8_t bit;
    const char* parola;
};
constexpr Allarme allarmi[] = {{0x01, "deco"}, {0x02, "rbt"}, {0x04, "ascent"}, {0x08, "error"}, {0x10, "breath"}};

constexpr double secondi_per_campione = 20;

QString testo(const std::string& bytes_1252) {
    const std::string utf8 = utf8_da_1252(bytes_1252);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString numero(double v) { return QString::fromStdString(format_general(v, '.')); }

// The shortest text that reads back as the same number; the samples' depths and times
// are small and finite, so it is the general format's text too.
void aggiungi_numero(std::string& out, double v) {
    char buffer[32];
    const auto fine = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    out.append(buffer, fine);
}

QString id(const char* tipo, std::size_t n) { return QString("%1_%2").arg(tipo).arg(n + 1); }

class ScrittoreUddf {
public:
    ScrittoreUddf(QIODevice& out, const Clogbook& lb) : w_(&out), lb_(lb), indice_(indicizza(lb)) {}

    void documento(const QString& adesso) {
        w_.writeStartDocument();
        w_.writeDefaultNamespace("http://www.streit.cc/uddf/3.2/");
        w_.writeStartElement("uddf");
        w_.writeAttribute("version", "3.2.1");
        generatore(adesso);
        subacquei();
        luoghi();
        immersioni();
        w_.writeEndElement();
        w_.writeEndDocument();
    }

private:
    void se_c_e(const char* nome, std::optional<double> v) {
        if (v) w_.writeTextElement(nome, numero(*v));
    }

    void generatore(const QString& adesso) {
        w_.writeStartElement("generator");
        w_.writeTextElement("name", "Quorvel");
        w_.writeTextElement("version", versione_quorvel);
        w_.writeTextElement("datetime", adesso);
        w_.writeEndElement();
    }

    void persona(const std::string& nome, const std::string& cognome) {
        w_.writeStartElement("personal");
        w_.writeTextElement("firstname", testo(nome));
        w_.writeTextElement("lastname", testo(cognome));
        w_.writeEndElement();
    }

    void subacquei() {
        w_.writeStartElement("diver");
        w_.writeStartElement("owner");
        w_.writeAttribute("id", "owner");
        persona({}, {});
        w_.writeEndElement();
        for (std::size_t i = 0; i < indice_.compagni.size(); ++i) {
            w_.writeStartElement("buddy");
            w_.writeAttribute("id", id("buddy", i));
            const auto [nome, cognome] = uddf::nome_e_cognome(indice_.compagni[i]);
            persona(nome, cognome);
            w_.writeEndElement();
        }
        w_.writeEndElement();
    }

    void luoghi() {
        if (indice_.posti.empty()) return;
        w_.writeStartElement("divesite");
        for (std::size_t i = 0; i < indice_.posti.size(); ++i) {
            const auto& [posto, punto] = indice_.posti[i];
            w_.writeStartElement("site");
            w_.writeAttribute("id", id("site", i));
            w_.writeTextElement("name", testo(posto.empty() ? punto : posto));
            if (!posto.empty() && !punto.empty()) {
                w_.writeStartElement("notes");
                w_.writeTextElement("para", testo(punto));
                w_.writeEndElement();
            }
            w_.writeEndElement();
        }
        w_.writeEndElement();
    }

    void immersioni() {
        if (lb_.immersioni.empty()) return;
        w_.writeStartElement("profiledata");
        w_.writeStartElement("repetitiongroup");
        w_.writeAttribute("id", "rg_1");
        for (std::size_t i = 0; i < lb_.immersioni.size(); ++i) immersione(i);
        w_.writeEndElement();
        w_.writeEndElement();
    }

    void collegamento(const QString& ref) {
        w_.writeEmptyElement("link");
        w_.writeAttribute("ref", ref);
    }

    void immersione(std::size_t i) {
        const Timmersione& d = lb_.immersioni[i];
        w_.writeStartElement("dive");
        w_.writeAttribute("id", id("dive", i));
        prima(i, d);
        campioni(d);
        dopo(d);
        w_.writeEndElement();
    }

    void prima(std::size_t i, const Timmersione& d) {
        w_.writeStartElement("informationbeforedive");
        if (indice_.posto_di[i] != IndiceUddf::nessuno) collegamento(id("site", indice_.posto_di[i]));
        for (uint32_t b : indice_.compagni_di[i]) collegamento(id("buddy", b));
        if (const auto n = uddf::numero(d.nimm)) w_.writeTextElement("divenumber", QString::number(*n));
        if (const std::string t = uddf::data_ora(d); !t.empty()) w_.writeTextElement("datetime", QString::fromStdString(t));
        se_c_e("airtemperature", uddf::temperatura_k(d.t_aria));
        if (const auto s = uddf::durata_s(d.ora_int, d.min_int)) {
            w_.writeStartElement("surfaceintervalbeforedive");
            // No interval entered: the dive is not a repetitive one.
            if (*s == 0) w_.writeEmptyElement("infinity");
            else w_.writeTextElement("passedtime", numero(*s));
            w_.writeEndElement();
        }
        se_c_e("altitude", uddf::altitudine_m(d.alt));
        w_.writeEndElement();
    }

    void campioni(const Timmersione& d) {
        if (d.lung_profilo == 0) return;
        decode_profile(d, profilo_);
        w_.writeStartElement("samples");
        w_.writeCharacters(QString());  // closes the start tag before the bytes below
        // A profile can hold thousands of samples made of numbers and fixed keywords
        // only, nothing to escape: they go to the device as bytes, after everything the
        // writer (which keeps no buffer of its own) has passed on.
        punti_.clear();
        for (std::size_t k = 0; k <= profilo_.n; ++k) {
            punti_ += "<waypoint><depth>";
            aggiungi_numero(punti_, profilo_.depth[k]);
            punti_ += "</depth><divetime>";
            aggiungi_numero(punti_, secondi_per_campione * double(k));
            punti_ += "</divetime>";
            for (const Allarme& a : allarmi) {
                if (!(profilo_.flags[k] & a.bit)) continue;
                punti_ += "<alarm>";
                punti_ += a.parola;
                punti_ += "</alarm>";
            }
            punti_ += "</waypoint>";
        }
        w_.device()->write(punti_.data(), qint64(punti_.size()));
        w_.writeEndElement();
    }

    void paragrafo(const char* etichetta, const std::string& bytes_1252) {
        if (bytes_1252.empty()) return;
        w_.writeTextElement("para", QString::fromUtf8(etichetta) + testo(bytes_1252));
    }

    void note(const Timmersione& d) {
        std::string commenti(d.commenti);
        std::erase(commenti, '\r');  // one line break as XML has it
        const std::string bombola = d.lbomb > 0 ? std::to_string(d.lbomb) + " l" : std::string();
        const std::string computer = d.computer != 0 ? nome_computer(d.computer) : "";
        const std::pair<const char*, std::string> parti[] = {
            {"", commenti},
            {"Tipo di immersione: ", testo_tipo_esportato(d)},
            {"Attività: ", testo_attivita_esportato(d)},
            {"Allarmi: ", testo_allarmi_esportato(d)},
            {"Bombola: ", bombola},
            {"Muta: ", voce_scelta(voci_muta, d.muta)},
            {"Meteo: ", voce_scelta(voci_meteo, d.meteo)},
            {"Altitudine: ", voce_scelta(voci_alt, d.alt)},
            {"Computer: ", computer}};
        bool aperte = false;
        for (const auto& [etichetta, valore] : parti) {
            if (utf8_da_1252(valore).find_first_not_of(" \t\n") == std::string::npos) continue;
            if (!aperte) w_.writeStartElement("notes");
            aperte = true;
            paragrafo(etichetta, valore);
        }
        if (aperte) w_.writeEndElement();
    }

    void dopo(const Timmersione& d) {
        w_.writeStartElement("informationafterdive");
        se_c_e("greatestdepth", uddf::profondita_m(d.prof));
        se_c_e("lowesttemperature", uddf::temperatura_k(d.t_acqua));
        se_c_e("pressuredrop", uddf::calo_pressione_pa(d.bar));
        se_c_e("diveduration", uddf::durata_s(d.ora_dur, d.min_dur));
        note(d);
        w_.writeEndElement();
    }

    QXmlStreamWriter w_;
    const Clogbook& lb_;
    IndiceUddf indice_;
    DecodedProfile profilo_;
    std::string punti_;
};

}  // namespace

void scrivi_uddf(const Clogbook& logbook, QIODevice& out, const QString& adesso) {
    ScrittoreUddf(out, logbook).documento(adesso);
}

void esporta_uddf(const Clogbook& logbook, const std::filesystem::path& path, const QString& adesso) {
    AtomicDevice file(path);
    scrivi_uddf(logbook, file, adesso);
    file.finish();
}
