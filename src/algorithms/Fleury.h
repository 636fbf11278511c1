// Fleury's algorithm: the automatic tour, which never crosses a bridge of
// what is left while another edge remains, and the tour the person walks by
// clicking vertices while the same rule is enforced on each click.
#pragma once

struct Contexto;

// "Recorrido automático", run name "Fleury".
void Fleury(Contexto& contexto);
// "Recorrido del usuario": clicks on the work area until the tour is whole
// or Escape is pressed.
void FleuryUsuario(Contexto& contexto);
