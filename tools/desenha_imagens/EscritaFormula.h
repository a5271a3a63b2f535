#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>

/// Sets one line of a formula from left to right in Liberation Serif, the way a math typesetter
/// would: upright text and digits, italic variables, raised small exponents, spaced binary
/// operators, a drawn radical sign with its bar, and parentheses that can be made taller than
/// the text. Built without a painter it only measures, so a piece can be measured first and
/// then drawn centred.
class TEscritaFormula {
public:
    using TTrecho = std::function<void(TEscritaFormula&)>;

    /// `pintor` may be null (measuring only); `base` is where the first baseline starts.
    TEscritaFormula(QPainter* pintor, double corpo, QPointF base);

    /// The width a piece takes when set at the given size.
    static double Largura(double corpo, const TTrecho& trecho);

    double X() const { return x; }

    void Texto(const QString& texto);
    void Variavel(const QString& nome);
    void Expoente(const QString& texto);
    /// A binary operator (+, −, ·) and a relation (=), each with its own space on both sides.
    void Operador(const QString& simbolo);
    void Relacao(const QString& simbolo);
    void Espaco(double em);
    void Raiz(const TTrecho& radicando);
    void Parenteses(double escala, const TTrecho& dentro);

private:
    void Escreve(const QString& texto, const QFont& fonte, double dy);
    void Espacado(const QString& simbolo, double em);

    QPainter* pintor;
    double corpo;
    double x;
    double linhaBase;
    QFont normal;
    QFont italico;
    QFont pequeno;
};
