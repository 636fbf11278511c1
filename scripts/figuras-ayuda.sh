#!/usr/bin/env bash
# Draws the pictures of the help with nodeva-cli, so that they are exactly
# what the program draws: the graph files of tools/figuras-ayuda/, the graph
# families of the Grafos menu, and the results of the algorithms the command
# line runs; and, for the manual, the toolbar's pictures and the main window
# itself and its step window (ImageMagick's convert and import, xvfb-run and
# xdotool). The pictures go
# under data/; commit them with the help.
#   scripts/figuras-ayuda.sh            (after building; or NODEVA_CLI=...)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cli="${NODEVA_CLI:-$raiz/build/bin/nodeva-cli}"
programa="${NODEVA:-$(dirname "$cli")/nodeva}"
fuentes="$raiz/tools/figuras-ayuda"
temporal="$(mktemp -d)"
trap 'rm -rf "$temporal"' EXIT

# Small drawings, at the screen's size as the program's are (reading a graph
# file fits it to the area), two to a line in the help window's text pane.
chico=(--ancho 4500 --alto 3000)
# The generators place their graphs for the program's usual work area.
normal=(--ancho 9000 --alto 6000)

# dibujar SALIDA GRAFO [opciones]: a graph file of tools/figuras-ayuda.
dibujar() {
    local salida="$1" grafo="$2"
    shift 2
    mkdir -p "$(dirname "$salida")"
    "$cli" dibujar "$fuentes/$grafo.grf" "$salida" "$@"
}

# resultado SALIDA ALGORITMO GRAFO [opciones]: what the algorithm highlights.
resultado() {
    local salida="$1" algoritmo="$2" grafo="$3"
    shift 3
    mkdir -p "$(dirname "$salida")"
    "$cli" ejecutar "$algoritmo" "$fuentes/$grafo.grf" --dibujo "$salida" "$@" >/dev/null
}

# familia SALIDA MANDATO [números...]: a graph of the Grafos menu, drawn as
# the program shows it once generated. The shape files are found in the
# program's data folder.
familia() {
    local salida="$1"
    shift
    mkdir -p "$(dirname "$salida")"
    "$cli" generar "$@" "${normal[@]}" "$temporal/familia.grf" >/dev/null
    "$cli" dibujar "$temporal/familia.grf" "$salida" "${normal[@]}"
}

grafos="$raiz/data/ayuda/grafos/figuras"
dibujar "$grafos/grafo.png" grafo "${chico[@]}"
dibujar "$grafos/subgrafo.png" subgrafo "${chico[@]}"
dibujar "$grafos/digrafo.png" digrafo --ancho 3000 --alto 3000
dibujar "$grafos/ponderado.png" ponderado "${chico[@]}"
dibujar "$grafos/complemento_g.png" complemento_g "${chico[@]}"
dibujar "$grafos/complemento_h.png" complemento_h "${chico[@]}"
dibujar "$grafos/lineal_g.png" lineal_g "${chico[@]}"
dibujar "$grafos/lineal_h.png" lineal_h "${chico[@]}"
resultado "$grafos/componentes.png" Componentes componentes "${chico[@]}"
dibujar "$grafos/corte.png" corte "${chico[@]}"
resultado "$grafos/corte_vertices.png" VerticesCorte corte "${chico[@]}"
resultado "$grafos/corte_puentes.png" Puentes corte "${chico[@]}"
dibujar "$grafos/arbol.png" arbol "${chico[@]}"
dibujar "$grafos/bosque.png" bosque "${chico[@]}"
dibujar "$grafos/anchura.png" anchura "${chico[@]}"
dibujar "$grafos/profundidad.png" profundidad "${chico[@]}"
resultado "$grafos/kruskal.png" Kruskal ponderado "${chico[@]}"
dibujar "$grafos/casa.png" casa "${chico[@]}"
dibujar "$grafos/lazo.png" lazo "${chico[@]}"
dibujar "$grafos/coloracion.png" coloracion "${chico[@]}"
resultado "$grafos/coloracion_secuencial.png" Secuencial coloracion "${chico[@]}"
resultado "$grafos/coloracion_welsh.png" Welsh-Powell coloracion "${chico[@]}"

familias="$raiz/data/ayuda/grafos/familias"
familia "$familias/nulo.png" Grafo_nulo 5
familia "$familias/completo.png" Grafo_completo 6
familia "$familias/bipartito.png" Grafo_completo_bipartido 3 4
familia "$familias/tripartito.png" Grafo_completo_tripartido 2 2 3
familia "$familias/ciclo.png" Ciclo 7
familia "$familias/rueda.png" Rueda 7
familia "$familias/estrella.png" Estrella 7
familia "$familias/rectangulo.png" Rectangulo 4 3
familia "$familias/triangulo.png" Triángulo 4
familia "$familias/cubo3.png" cubo_3
familia "$familias/enlazado_r.png" L_n_r 8 3
familia "$familias/enlazado_rs.png" L_n_r_s 10 1 3
familia "$familias/harary.png" Harary 8 3
familia "$familias/arbol_nario.png" Árbol_nario_completo 2 3
familia "$familias/tetraedro.png" Tetraedro_plano
familia "$familias/hexaedro.png" Hexaedro_plano
familia "$familias/octaedro.png" Octaedro_plano
familia "$familias/dodecaedro.png" Dodecaedro_plano
familia "$familias/icosaedro.png" Icosaedro_plano
familia "$familias/icosaedro_no_plano.png" Icosaedro_no_plano
familia "$familias/petersen.png" Petersen
familia "$familias/herschel.png" Herschel
familia "$familias/grotzsch.png" Grötzsch
familia "$familias/heawood.png" Heawood
familia "$familias/tutte.png" Tutte

# The page of the Eulerian algorithms keeps its own pictures beside it.
euler="$raiz/data/ayudaeuler/figuras"
dibujar "$euler/casa.png" casa "${chico[@]}"
dibujar "$euler/lazo.png" lazo "${chico[@]}"
dibujar "$euler/ponderado.png" ponderado "${chico[@]}"
familia "$euler/k5.png" Grafo_completo 5

manual="$raiz/data/ayuda/manual/figuras"
mkdir -p "$manual"
for icono in nuevo abrir guardar deshacer anadir_vertice anadir_arista cambiar_peso unir matriz eliminar imprimir; do
    convert -background none -density 192 "$raiz/src/gui/iconos/$icono.svg" -resize 32x32 -strip -define png:exclude-chunk=date,time "$manual/$icono.png"
done

# The main window with a graph open, on a screen of its own; the program
# has no window frame there, so the picture is the window.
xvfb-run -a -s '-screen 0 960x640x24' bash -c '
    "$1" "$2" & programa=$!
    sleep 4
    import -window root "$3"
    kill $programa' captura "$programa" "$fuentes/ventana.grf" "$temporal/ventana.png"
convert "$temporal/ventana.png" -resize 640x -strip -define png:exclude-chunk=date,time "$manual/ventana.png"

# The step window, at the second pause of the postman on a weighted K6
# (xdotool plays the person: the Euler menu, "Paso a Paso", "Continuar").
xvfb-run -a -s '-screen 0 960x640x24' bash -c '
    "$1" "$2" & programa=$!
    sleep 4
    xdotool mousemove 900 300 click 1; sleep 0.3
    xdotool key alt+u; sleep 0.4; xdotool key p; sleep 1.5
    xdotool key Return; sleep 1.5
    xdotool mousemove 805 541 click 1; sleep 1.5
    import -window root "$3"
    kill $programa' captura "$programa" "$fuentes/k6.grf" "$temporal/pasos.png"
convert "$temporal/pasos.png" -crop 960x126+0+516 +repage -strip -define png:exclude-chunk=date,time "$manual/pasos.png"
