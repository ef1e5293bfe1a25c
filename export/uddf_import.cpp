#include "export/uddf_import.h"

#include <QFile>
#include <QXmlStreamReader>
#include <limits>
#include <string_view>
#include <unordered_map>

#include "export/uddf_import_map.h"
#include "framework/core/errors.h"

namespace {

using uddf_in::ImmersioneLetta;

// The elements the import reads; every other one is Altro.
enum class E : uint8_t {
    Altro, Uddf, Diver, Buddy, Personal, Firstname, Middlename, Lastname, Divesite, Site, Name, Geography, Location,
    Dive, Prima, Link, Divenumber, Datetime, Airtemperature, Intervallo, Passedtime, Infinity, Altitude, Samples,
    Waypoint, Depth, Divetime, Alarm, Tankdata, Tankvolume, Pressioneinizio, Pressionefine, Dopo, Greatestdepth,
    Lowesttemperature, Diveduration, Pressuredrop, Notes, Para
};

E codice(QStringView nome) {
    static const std::unordered_map<std::u16string_view, E> nomi = {
        {u"uddf", E::Uddf}, {u"diver", E::Diver}, {u"buddy", E::Buddy}, {u"personal", E::Personal},
        {u"firstname", E::Firstname}, {u"middlename", E::Middlename}, {u"lastname", E::Lastname},
        {u"divesite", E::Divesite}, {u"site", E::Site}, {u"name", E::Name}, {u"geography", E::Geography},
        {u"location", E::Location}, {u"dive", E::Dive}, {u"informationbeforedive", E::Prima}, {u"link", E::Link},
        {u"divenumber", E::Divenumber}, {u"datetime", E::Datetime}, {u"airtemperature", E::Airtemperature},
        {u"surfaceintervalbeforedive", E::Intervallo}, {u"passedtime", E::Passedtime}, {u"infinity", E::Infinity},
        {u"altitude", E::Altitude}, {u"samples", E::Samples}, {u"waypoint", E::Waypoint}, {u"depth", E::Depth},
        {u"divetime", E::Divetime}, {u"alarm", E::Alarm}, {u"tankdata", E::Tankdata}, {u"tankvolume", E::Tankvolume},
        {u"tankpressurebegin", E::Pressioneinizio}, {u"tankpressureend", E::Pressionefine},
        {u"informationafterdive", E::Dopo}, {u"greatestdepth", E::Greatestdepth},
        {u"lowesttemperature", E::Lowesttemperature}, {u"diveduration", E::Diveduration},
        {u"pressuredrop", E::Pressuredrop}, {u"notes", E::Notes}, {u"para", E::Para}};
    const auto it = nomi.find(std::u16string_view(reinterpret_cast<const char16_t*>(nome.utf16()), std::size_t(nome.size())));
    return it == nomi.end() ? E::Altro : it->second;
}

// Deeper than any UDDF file nests: a file built to exhaust the reader.
constexpr std::size_t profondita_massima = 1000;
// UTF-8 bytes kept of one element's text.
constexpr std::size_t testo_massimo = 4 * uddf_in::testo_massimo;

class LettoreUddf {
public:
    explicit LettoreUddf(QIODevice& in) : r_(&in) {}

    std::unique_ptr<Clogbook> leggi() {
        while (!r_.atEnd()) {
            switch (r_.readNext()) {
            case QXmlStreamReader::StartElement: inizio(); break;
            case QXmlStreamReader::EndElement: fine(); break;
            case QXmlStreamReader::Characters:
                if (raccogli_) aggiungi(r_.text());
                break;
            default: break;
            }
        }
        if (r_.hasError() || !radice_vista_) throw StreamReadError();
        return costruttore_.logbook();
    }

private:
    E padre(std::size_t su = 0) const { return pila_.size() > su ? pila_[pila_.size() - 1 - su] : E::Altro; }

    void aggiungi(QStringView t) {
        if (testo_.size() >= testo_massimo) return;
        bool ascii = true;
        for (QChar c : t) ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            for (QChar c : t) testo_ += char(c.unicode());
        } else {
            testo_ += t.toUtf8().toStdString();
        }
    }

    void inizio() {
        if (pila_.size() >= profondita_massima) r_.raiseError();
        const E e = codice(r_.name());
        if (!radice_vista_) {
            if (e != E::Uddf) r_.raiseError();
            radice_vista_ = true;
        }
        const E p = padre();
        switch (e) {
        case E::Buddy:
            if (p == E::Diver) id_ = r_.attributes().value(QLatin1StringView("id")).toString().toStdString(), nome_.clear(), parti_ = 0;
            break;
        case E::Site:
            if (p == E::Divesite) id_ = r_.attributes().value(QLatin1StringView("id")).toString().toStdString(), nome_.clear(), luogo_.reset();
            break;
        case E::Dive:
            dive_ = ImmersioneLetta();
            in_dive_ = true;
            tank_ = 0;
            break;
        case E::Link:
            if (in_dive_ && p == E::Prima) dive_.link.push_back(r_.attributes().value(QLatin1StringView("ref")).toString().toStdString());
            break;
        case E::Infinity:
            if (in_dive_ && p == E::Intervallo) dive_.intervallo_infinito = true;
            break;
        case E::Waypoint:
            if (in_dive_ && p == E::Samples) t_ = metri_ = std::numeric_limits<double>::quiet_NaN(), allarmi_ = 0;
            break;
        case E::Tankdata:
            if (in_dive_) ++tank_;
            break;
        default: break;
        }
        raccogli_ = foglia(e, p);
        if (raccogli_) testo_.clear();
        pila_.push_back(e);
    }

    // Whether the element's text is one the import reads.
    bool foglia(E e, E p) const {
        switch (e) {
        case E::Firstname:
        case E::Middlename:
        case E::Lastname: return p == E::Personal && padre(1) == E::Buddy;
        case E::Name: return p == E::Site;
        case E::Location: return p == E::Geography && padre(1) == E::Site;
        case E::Divenumber:
        case E::Datetime:
        case E::Airtemperature:
        case E::Altitude: return in_dive_ && p == E::Prima;
        case E::Passedtime: return in_dive_ && p == E::Intervallo;
        case E::Depth:
        case E::Divetime:
        case E::Alarm: return in_dive_ && p == E::Waypoint;
        case E::Tankvolume:
        case E::Pressioneinizio:
        case E::Pressionefine: return in_dive_ && p == E::Tankdata && tank_ == 1;
        case E::Greatestdepth:
        case E::Lowesttemperature:
        case E::Diveduration:
        case E::Pressuredrop: return in_dive_ && p == E::Dopo;
        case E::Para: return in_dive_ && p == E::Notes;
        default: return false;
        }
    }

    void fine() {
        if (pila_.empty()) return;
        const E e = pila_.back();
        pila_.pop_back();
        if (raccogli_) valore(e, padre());
        raccogli_ = false;
        switch (e) {
        case E::Buddy:
            if (padre() == E::Diver) costruttore_.compagno(std::move(id_), std::move(nome_));
            break;
        case E::Site:
            if (padre() == E::Divesite) costruttore_.sito(std::move(id_), std::move(nome_), std::move(luogo_));
            break;
        case E::Waypoint:
            if (in_dive_ && padre() == E::Samples && t_ == t_) dive_.campioni.punto(t_, metri_, allarmi_);
            break;
        case E::Dive:
            costruttore_.immersione(dive_);
            in_dive_ = false;
            break;
        default: break;
        }
    }

    void valore(E e, E p) {
        using uddf_in::numero;
        switch (e) {
        case E::Firstname:
        case E::Middlename:
        case E::Lastname: {
            const std::size_t inizio = testo_.find_first_not_of(" \t\r\n");
            if (inizio == std::string::npos) break;
            // First, middle and last name in that order, whatever the file's order.
            const int parte = e == E::Firstname ? 0 : e == E::Middlename ? 1 : 2;
            parti_testo_[parte] = testo_.substr(inizio, testo_.find_last_not_of(" \t\r\n") + 1 - inizio);
            parti_ |= 1 << parte;
            nome_.clear();
            for (int k = 0; k < 3; ++k) {
                if (!(parti_ & (1 << k))) continue;
                if (!nome_.empty()) nome_ += ' ';
                nome_ += parti_testo_[k];
            }
            break;
        }
        case E::Name: nome_ = testo_; break;
        case E::Location: luogo_ = testo_; break;
        case E::Divenumber:
            if (const auto n = numero(testo_); n && *n >= -1e15 && *n <= 1e15) dive_.numero = int64_t(*n);
            break;
        case E::Datetime: dive_.data = uddf_in::data_ora(testo_); break;
        case E::Airtemperature: dive_.t_aria_k = numero(testo_); break;
        case E::Altitude: dive_.altitudine_m = numero(testo_); break;
        case E::Passedtime: dive_.intervallo_s = numero(testo_); break;
        case E::Depth: metri_ = numero(testo_).value_or(metri_); break;
        case E::Divetime: t_ = numero(testo_).value_or(t_); break;
        case E::Alarm: allarmi_ |= uddf_in::bit_allarme(testo_); break;
        case E::Tankvolume: dive_.volume = numero(testo_); break;
        case E::Pressioneinizio: dive_.pressione_inizio = numero(testo_); break;
        case E::Pressionefine: dive_.pressione_fine = numero(testo_); break;
        case E::Greatestdepth: dive_.greatestdepth = numero(testo_); break;
        case E::Lowesttemperature: dive_.t_acqua_k = numero(testo_); break;
        case E::Diveduration: dive_.durata_s = numero(testo_); break;
        case E::Pressuredrop: dive_.calo_pa = numero(testo_); break;
        case E::Para:
            if (dive_.note.size() < testo_massimo) {
                if (!dive_.note.empty()) dive_.note += '\n';
                dive_.note += testo_;
            }
            break;
        default: break;
        }
        (void)p;
    }

    QXmlStreamReader r_;
    uddf_in::CostruttoreLogbook costruttore_;
    std::vector<E> pila_;
    std::string testo_, id_, nome_, parti_testo_[3];
    std::optional<std::string> luogo_;
    int parti_ = 0, tank_ = 0;
    ImmersioneLetta dive_;
    double t_ = 0, metri_ = 0;
    uint8_t allarmi_ = 0;
    bool raccogli_ = false, in_dive_ = false, radice_vista_ = false;
};

}  // namespace

std::unique_ptr<Clogbook> leggi_uddf(QIODevice& in) { return LettoreUddf(in).leggi(); }

std::unique_ptr<Clogbook> importa_uddf(const std::filesystem::path& path) {
    QFile file(QString::fromStdU16String(path.u16string()));
    if (!file.open(QIODevice::ReadOnly)) throw CannotOpenFile(path.string());
    return leggi_uddf(file);
}
