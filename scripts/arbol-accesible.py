#!/usr/bin/python3
# The distribution's Python: pyatspi comes as a Debian package (python3-pyatspi).
"""Prints the accessible tree a screen reader finds in Nodeva, through AT-SPI.

Run it on the same session bus as the program, started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1; each line is a role and a name, indented
by depth. docs/accesibilidad.md shows how to start the bus and the program
under Xvfb.

    arbol-accesible.py [PROGRAMA] [--profundidad N]
"""
import argparse
import sys
import time

import pyatspi


def aplicaciones():
    escritorio = pyatspi.Registry.getDesktop(0)
    return [a for a in (escritorio.getChildAtIndex(k) for k in range(escritorio.childCount)) if a is not None]


def aplicacion(nombre, espera):
    """The running application of this name (any case), waiting for it to appear."""
    limite = time.monotonic() + espera
    while True:
        for app in aplicaciones():
            if app.name.lower() == nombre.lower():
                return app
        if time.monotonic() > limite:
            return None
        time.sleep(0.5)


def volcar(nodo, profundidad, maxima, salida):
    if nodo is None:
        return
    try:
        rol, nombre, hijos = nodo.getRoleName(), nodo.name, nodo.childCount
    except Exception:  # an element gone while it is read
        return
    salida.write("  " * profundidad + f"[{rol}] {nombre}\n")
    if profundidad >= maxima:
        return
    for k in range(hijos):
        volcar(nodo.getChildAtIndex(k), profundidad + 1, maxima, salida)


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumentos.add_argument("programa", nargs="?", default="nodeva")
    argumentos.add_argument("--profundidad", type=int, default=12)
    argumentos.add_argument("--espera", type=float, default=20, help="segundos a esperar al programa")
    a = argumentos.parse_args()
    app = aplicacion(a.programa, a.espera)
    if app is None:
        nombres = ", ".join(app.name for app in aplicaciones()) or "ninguna"
        sys.exit(f"{a.programa} no aparece en el bus de accesibilidad (aplicaciones: {nombres})")
    volcar(app, 0, a.profundidad, sys.stdout)


if __name__ == "__main__":
    main()
