# Emptying the four global fields: g, T and rho are stored as 0 on leaving (rho 0 keeps the viscosity
# derived before), the typed-away viscosity paints T and rho as not valid; closing stores none of the
# four empty texts, which read as no usable value: the settings file keeps its own.
start
type 1003
type 1005
type 1013
type 1006
leave
show 1003 1005 1013 1006
record
close
