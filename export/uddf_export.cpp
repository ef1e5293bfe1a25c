#include "export/uddf_export.h"

#include <QXmlStreamWriter>

#include "export/atomic_device.h"
#include "export/dive_texts.h"
#include "export/uddf_index.h"
#include "export/uddf_markup.h"
#include "export/uddf_notes.h"
#include "export/uddf_values.h"
#include "profile/profile_decoder.h"

namespace {

using namespace Qt::Literals::StringLiterals;

QString testo(const std::string& bytes_1252) {
    const std::string utf8 = utf8_da_1252(bytes_1252);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString id(const char* tipo, std::size_t n) { return QString::fromStdString(uddf::id(tipo, n)); }

class ScrittoreUddf {
public:
    ScrittoreUddf(QIODevice& out, const Clogbook& lb) : out_(out), w_(&xml_), lb_(lb), indice_(indicizza(lb)) {}

    void documento(const QString& adesso) {
        // Written by hand: a writer on a string leaves the encoding out.
        out_.write(R"(<?xml version="1.0" encoding="UTF-8"?>)");
        w_.writeDefaultNamespace(u"http://www.streit.cc/uddf/3.2/"_s);
        w_.writeStartElement(u"uddf"_s);
        w_.writeAttribute(u"version"_s, u"3.2.1"_s);
        generatore(adesso);
        subacquei();
        luoghi();
        immersioni();
        w_.writeEndElement();
        w_.writeEndDocument();
        scarica();
    }

private:
    // The writer works on a string, which spares it a conversion and a device call for
    // every piece of markup; the text goes to the device as UTF-8 in large chunks.
    void scarica() {
        out_.write(xml_.toUtf8());
        xml_.resize(0);
    }

    void generatore(const QString& adesso) {
        w_.writeStartElement(u"generator"_s);
        w_.writeTextElement(u"name"_s, u"Quorvel"_s);
        w_.writeTextElement(u"version"_s, versione_quorvel);
        w_.writeTextElement(u"datetime"_s, adesso);
        w_.writeEndElement();
    }

    void persona(const std::string& nome, const std::string& cognome) {
        w_.writeStartElement(u"personal"_s);
        w_.writeTextElement(u"firstname"_s, testo(nome));
        w_.writeTextElement(u"lastname"_s, testo(cognome));
        w_.writeEndElement();
    }

    void subacquei() {
        w_.writeStartElement(u"diver"_s);
        w_.writeStartElement(u"owner"_s);
        w_.writeAttribute(u"id"_s, u"owner"_s);
        persona({}, {});
        w_.writeEndElement();
        for (std::size_t i = 0; i < indice_.compagni.size(); ++i) {
            w_.writeStartElement(u"buddy"_s);
            w_.writeAttribute(u"id"_s, id("buddy", i));
            const auto [nome, cognome] = nome_e_cognome(indice_.compagni[i]);
            persona(nome, cognome);
            w_.writeEndElement();
        }
        w_.writeEndElement();
    }

    void luoghi() {
        if (indice_.posti.empty()) return;
        w_.writeStartElement(u"divesite"_s);
        for (std::size_t i = 0; i < indice_.posti.size(); ++i) {
            const auto& [posto, punto] = indice_.posti[i];
            w_.writeStartElement(u"site"_s);
            w_.writeAttribute(u"id"_s, id("site", i));
            // The name carries the place and the point, for readers that show only the
            // name; the place alone is the location.
            const std::string nome = posto.empty() ? punto : punto.empty() ? posto : posto + ", " + punto;
            w_.writeTextElement(u"name"_s, testo(nome));
            w_.writeStartElement(u"geography"_s);
            w_.writeTextElement(u"location"_s, testo(posto));
            w_.writeEndElement();
            w_.writeEndElement();
        }
        w_.writeEndElement();
    }

    void immersioni() {
        if (lb_.immersioni.empty()) return;
        w_.writeStartElement(u"profiledata"_s);
        w_.writeStartElement(u"repetitiongroup"_s);
        w_.writeAttribute(u"id"_s, u"rg_1"_s);
        w_.writeCharacters(QString());  // closes the start tag before the first dive
        for (std::size_t i = 0; i < lb_.immersioni.size(); ++i) immersione(i);
        w_.writeEndElement();
        w_.writeEndElement();
    }

    // The dive's numbers and samples go to the device as bytes beside the writer, which
    // keeps what it has written in xml_ until it is passed on.
    void grezzo(const std::string& bytes) {
        scarica();
        out_.write(bytes.data(), qint64(bytes.size()));
    }

    void immersione(std::size_t i) {
        const Timmersione& d = lb_.immersioni[i];
        grezzo_.clear();
        uddf::inizio_immersione(grezzo_, i, d, indice_);
        if (d.lung_profilo != 0) {
            decode_profile(d, profilo_);
            uddf::campioni(grezzo_, profilo_);
        }
        uddf::dopo_immersione(grezzo_, d, d.lung_profilo != 0 ? &profilo_ : nullptr);
        grezzo(grezzo_);
        note(d);
        xml_ += QLatin1StringView(uddf::fine_immersione);
    }

    void note(const Timmersione& d) {
        const std::string testo_note = note_immersione(d);
        if (testo_note.empty()) return;
        w_.writeStartElement(u"notes"_s);
        w_.writeTextElement(u"para"_s, testo(testo_note));
        w_.writeEndElement();
    }

    QIODevice& out_;
    QString xml_;
    QXmlStreamWriter w_;
    const Clogbook& lb_;
    IndiceUddf indice_;
    DecodedProfile profilo_;
    std::string grezzo_;
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
