// A complete headless world for a graph record: command states, a scripted person, the editor's highlight
// state, and counters for redraws and undo records of merges.
#pragma once

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "algorithms/CatalogoOrdenes.h"
#include "model/Controles.h"
#include "model/EstadoComandos.h"
#include "model/Grafo.h"
#include "support/Aristas.h"
#include "support/InteraccionGuion.h"
#include "ui/AsignarPeso.h"

struct EntornoPrueba {
    EntornoPrueba() { OfrecerSegunTipo(comandos); }

    EstadoComandos comandos;
    InteraccionGuion interaccion;
    Seleccion seleccion;
    bool pesosAleatorios = false;
    int redibujados = 0;
    std::vector<std::pair<int, int>> identificaciones;

    EntornoGrafo Entorno()
    {
        return {&comandos,
                &interaccion,
                &seleccion,
                [this] { return pesosAleatorios; },
                [this] { ++redibujados; },
                [this](std::int16_t u, std::int16_t w) { identificaciones.emplace_back(u, w); },
                PreguntaPeso(interaccion)};
    }

    // Gives g a type, n vertices at (400 i, 300 + 100 i) and these edges, the way a user adds them, the
    // weight typed in the dialog of a weighted graph.
    void Construir(Grafo& g, const QString& tipo, int n, const Aristas& aristas = {})
    {
        g.InsertarTipo(tipo);
        for (int i = 1; i <= n; ++i)
            ASSERT_EQ(g.AñadirVertice(std::int16_t(400 * i), std::int16_t(300 + 100 * i)), 0);
        for (auto [a, b, peso] : aristas) {
            if (g.Ponderado() && !pesosAleatorios)
                interaccion.pesos.push_back(std::int16_t(peso));
            ASSERT_EQ(g.AñadirArista(a, b), 0) << a << "-" << b;
        }
    }

    // Whether a menu command is on, after checking that its toolbar button and the button's picture agree.
    bool Par(const QString& menu, const QString& boton, int activa, int inactiva) const
    {
        const bool on = comandos.Habilitado(menu);
        EXPECT_EQ(comandos.Habilitado(boton), on) << boton.toStdString();
        EXPECT_EQ(comandos.Imagen(boton), on ? activa : inactiva) << boton.toStdString();
        return on;
    }
    bool AñadirAristaActiva() const { return Par(Control::Añadir_Arista, Control::Boton_añadir_arista, 10, 14); }
    bool CambiarPesoActivo() const { return Par(Control::Cambiar_peso, Control::Boton_cambiar_peso, 11, 15); }
    bool IdentificarActivo() const { return Par(Control::Ident_vertices, Control::Boton_unir_vert_desact, 12, 16); }
};
