namespace ravemo {}
