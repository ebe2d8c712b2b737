#include "form/messages.h"

#include "form/site_info.h"

namespace speedrail {
namespace {

constexpr const char* kLineBreak = "\r\n";

// The four places in which the two messages differ.
struct MessageVariant {
    const char* runAdvice;   // inside the first paragraph
    const char* importance;  // how the restart line begins
    const char* addressIndent;
    const char* contact;
};

std::string buildMessage(const MessageVariant& variant) {
    std::string text;
    text +=
        "Este es un software EXPERIMENTAL pensado para plataformas GAMING en modo local o "
        "equipos con gran carga de cálculo puntual (simulación, resolución de algoritmos, "
        "etc.), por ello, ";
    text += variant.runAdvice;
    text +=
        " en entornos corporativos ni de juego en red ya que puede detener servicios "
        "esenciales para desempeñar determinadas tareas, además, al detener servicios "
        "relativos a la seguridad el propio sistema puede detectarlo como amenaza y proceder "
        "a su bloqueo o eliminación, en cuyo caso deberá añadirlo como EXCEPCIÓN para poder "
        "usarlo.";
    text += kLineBreak;
    text += kLineBreak;
    text +=
        "Utilícelo de forma limitada y en momentos puntuales en los que requiera elevar al "
        "máximo el rendimiento y la dedicación del procesador.";
    text += kLineBreak;
    text += kLineBreak;
    text += variant.importance;
    text +=
        " REINICIE SIEMPRE su ordenador después de utilizarlo o si experimenta algún "
        "problema durante su ejecución";
    text += kLineBreak;
    text += kLineBreak;
    text += variant.addressIndent;
    text += site::kBenchmarkSiteInMessages;
    text += kLineBreak;
    text += "        ";
    text += variant.contact;
    return text;
}

}  // namespace

std::string warningMessage() {
    return buildMessage({"no lo ejecute NUNCA", "> Muy importante:", "  ", site::kWarningContact});
}

std::string informationMessage() {
    return buildMessage(
        {"no debe ejecutarse NUNCA", "> IMPORTANTE:", "", site::kInformationContact});
}

}  // namespace speedrail
