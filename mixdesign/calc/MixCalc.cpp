// placeholder until the calculations land
