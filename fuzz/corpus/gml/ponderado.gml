graph [
  directed 1
  node [ id 7 label "siete" x 100 y 200 ]
  node [ id 3 x 400 y 50 ]
  node [ id 5 x 250 y 300 graphics [ x 1 y 2 ] ]
  edge [ source 7 target 3 weight 12 ]
  edge [ source 3 target 5 weight -4.0 ]
]
