#pragma once

/// The step between the labels of an axis of whole numbers 0..ate that shows at most `maximo`
/// of them: 1, 2 or 5 times a power of 10.
inline int PassoEixo(int ate, int maximo) {
    for (int potencia = 1;; potencia *= 10)
        for (const int fator : {1, 2, 5})
            if (ate / (fator * potencia) + 1 <= maximo)
                return fator * potencia;
}
