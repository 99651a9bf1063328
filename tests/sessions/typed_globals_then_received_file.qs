# The user's own entries in the global fields are what closing keeps: T typed (with the viscosity that
# follows from it), then a received file opened over it and "Neu": closing stores the typed T and its
# viscosity, never the file's values, and leaves g and rho as they were.
start
type 1005 15
leave
show 1006
answer 7
open empfangen.qrx
show 1005 1006
command new
show 1005 1006
close
