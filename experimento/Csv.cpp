#include "Csv.h"

std::string CampoCsv(const std::string& valor) {
    if (valor.find_first_of(",\"\r\n") == std::string::npos)
        return valor;
    std::string campo(1, '"');
    for (const char c : valor) {
        campo.push_back(c);
        if (c == '"')
            campo.push_back('"');
    }
    campo.push_back('"');
    return campo;
}

std::string RegistroCsv(const std::vector<std::string>& campos) {
    std::string registro;
    for (std::size_t i = 0; i < campos.size(); ++i) {
        if (i > 0)
            registro.push_back(',');
        registro.append(CampoCsv(campos[i]));
    }
    registro.append("\r\n");
    return registro;
}

bool TLeitorCsv::Proximo(std::vector<std::string>& campos) {
    campos.clear();
    if (Pos >= Texto.size())
        return false;
    LinhaRegistro = LinhaAtual;
    std::string campo;
    for (;;) {
        if (Pos < Texto.size() && Texto[Pos] == '"') {
            for (++Pos;; ++Pos) {
                if (Pos >= Texto.size())
                    throw EFormatoCsv("a quoted field is not closed");
                if (Texto[Pos] == '"' && Pos + 1 < Texto.size() && Texto[Pos + 1] == '"') {
                    campo += '"';
                    ++Pos;
                } else if (Texto[Pos] == '"') {
                    ++Pos;
                    break;
                } else {
                    LinhaAtual += Texto[Pos] == '\n' ? 1 : 0;
                    campo += Texto[Pos];
                }
            }
        } else {
            while (Pos < Texto.size() && Texto[Pos] != ',' && Texto[Pos] != '\r' &&
                   Texto[Pos] != '\n' && Texto[Pos] != '"')
                campo += Texto[Pos++];
        }
        campos.push_back(std::move(campo));
        campo.clear();
        if (Pos >= Texto.size())
            return true;
        const char c = Texto[Pos++];
        if (c == ',')
            continue;
        if (c == '\r' && Pos < Texto.size() && Texto[Pos] == '\n')
            ++Pos;
        if (c == '\r' || c == '\n') {
            ++LinhaAtual;
            return true;
        }
        throw EFormatoCsv("a quote inside an unquoted field, or text after a closing quote");
    }
}
