# First start without a settings file: the defaults are written, the form shows K7, DN 100, di 101.00,
# k 0.1 mm, 10.0 degrees, 1010 kg/m3 and g 9.81 with J sought; closing without an entry in the global
# fields writes nothing.
start
dump
