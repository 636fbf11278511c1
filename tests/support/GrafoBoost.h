// Boost.Graph's copy of a graph, vertices from 0: the oracle of the algorithm tests. Directed, every matrix
// entry is an arc of its weight, row by row, so Boost's visits take the neighbours in increasing order as
// ours do. Undirected, a pair with an entry either way is one edge, of the weight of the entry from the
// smaller end when there is one. The edges are numbered in the order they go in.
#pragma once

#include <boost/graph/adjacency_list.hpp>
#include <type_traits>

#include "model/Grafo.h"

template <typename Sentido>
using GrafoBoostDe = boost::adjacency_list<
    boost::vecS, boost::vecS, Sentido, boost::no_property,
    boost::property<boost::edge_weight_t, int, boost::property<boost::edge_index_t, std::size_t>>>;
using GrafoBoost = GrafoBoostDe<boost::directedS>;
using GrafoBoostSinSentido = GrafoBoostDe<boost::undirectedS>;

template <typename G> G ABoost(const Grafo& g)
{
    constexpr bool dirigido = std::is_same_v<typename boost::graph_traits<G>::directed_category, boost::directed_tag>;
    G b(g.dimen());
    std::size_t indice = 0;
    for (int i = 1; i <= g.dimen(); ++i)
        for (int j = dirigido ? 1 : i + 1; j <= g.dimen(); ++j) {
            const int peso = dirigido || g.elem_matriz(i, j) != 0 ? g.elem_matriz(i, j) : g.elem_matriz(j, i);
            if (peso != 0)
                boost::add_edge(i - 1, j - 1, typename G::edge_property_type(peso, indice++), b);
        }
    return b;
}
